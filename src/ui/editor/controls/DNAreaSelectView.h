#pragma once

#include "DNAreaSelector.h"

#include <QVariantList>

#include <optional>

// What the crop box asks of its owner besides the change reports.
class DNAreaSelectViewDelegate : public DNAreaSelectorDelegate
{
public:
    // Whether a picture is there to look for black borders in.
    virtual bool canCropBlackRegion() = 0;
    // The picture's area without its black borders, as fractions of the whole picture (origin
    // at the bottom left); an owner without the detection leaves the default, which answers
    // nothing.
    virtual std::optional<QRectF> rectByCoppingBlackRegion() { return std::nullopt; }
};

// The crop box: an area selector over the source picture with an aspect lock and the crop
// presets of "cropConfigure.plist". Choosing a preset may lock a ratio, fit the box to a ratio,
// select the whole picture, or fit it to the picture found without black borders.
class DNAreaSelectView : public DNAreaSelector
{
    Q_OBJECT
public:
    explicit DNAreaSelectView(QWidget *parent = nullptr);
    DNAreaSelectView(const QRect &frame, QWidget *parent = nullptr);

    // Applies preset `index`. Choosing the current one again does nothing, except the preset at
    // index 1, which is applied on every choice. An index past the list unlocks the ratio.
    void setSelectedAspect(int index);
    int selectedAspect() const { return selectedAspect_; }
    const QVariantList &cropConfigItems() const { return cropConfigItems_; }

    // The locked ratio; the zero size locks nothing. The setter neither moves nor redraws.
    QSizeF aspect() const { return aspect_; }
    void setAspect(QSizeF aspect) { aspect_ = aspect; }

    // Stores the area and moves the cells to it; the delegate is not told.
    void setSelectionArea(const QRectF &area) override;
    // The selection as fractions of the box's width and height.
    QRectF selectionAreaPercentage() const;

protected:
    QRectF constraintForSelectArea(const QRectF &proposed) override;

private:
    void fitToBlackRegionFreeArea();

    QSizeF aspect_{0, 0};
    int selectedAspect_ = 0;
    QVariantList cropConfigItems_;
};
