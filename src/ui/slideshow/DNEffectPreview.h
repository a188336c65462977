#pragma once

#include "slideshow/transitions/NXFilter.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QWidget>

class EffectPreviewWrapper;
class QAbstractButton;
class QLabel;

// Told which transition types the user ticked in the strip.
class DNEffectPreviewDelegate
{
public:
    virtual ~DNEffectPreviewDelegate() = default;
    // The positions of the ticked tiles (the transition types), in order.
    virtual void onEffectsSelectionChanged(const QList<int> &types) = 0;
};

// The strip in which the user chooses the transitions a slideshow may use: one animated tile per
// type with a check box, five tiles to a page; pages turn by dragging or with the arrow buttons,
// and only the tiles in view animate.
class DNEffectPreview : public QWidget
{
    Q_OBJECT
public:
    enum { TagEarlierPage = 888, TagFollowingPage = 889 };
    static constexpr int kTileWidth = 98;
    static constexpr int kTileHeight = 95;
    static constexpr int kTileStep = 104;
    static constexpr int kTilesPerPage = 5;

    // A strip at origin, of the size of its background picture.
    explicit DNEffectPreview(QPoint origin, QWidget *parent = nullptr);
    ~DNEffectPreview() override;

    DNEffectPreviewDelegate *delegate() const { return delegate_; }
    void setDelegate(DNEffectPreviewDelegate *delegate) { delegate_ = delegate; }

    // One tile per filter (in type order), ticked when its type is in selected.
    void setPrevieFilters(const QList<NXFilterPtr> &filters, const QList<int> &selected);
    // The values a tile's copy of a filter needs to play in the tile.
    void configureFilter(const NXFilterPtr &filter, int filterIndex, const QImage &shadingImage);
    // The first and the last image become every tile's source and target.
    void setDemoImages(const QList<QImage> &images);
    QList<QImage> demoImages() const { return demoImages_; }

    void startPreview() { checkAnimatedByPosition(); }
    // Stops every tile and removes them.
    void stopPreview();
    // Animates the tiles in view, stops the others, and shows the arrows where pages are.
    void checkAnimatedByPosition();
    bool hasPageAtDirection(int tag) const;
    void onSwitchPage(QAbstractButton *sender);
    // One page towards the following pages, or towards the earlier ones.
    void switchEffectPreviewPage(bool following);
    void onEffectsSelectChanged(EffectPreviewWrapper *tile);

    QWidget *contentView() const { return contentView_; }
    QList<EffectPreviewWrapper *> tiles() const;
    QAbstractButton *leftArrow() const { return leftArrow_; }
    QAbstractButton *rightArrow() const { return rightArrow_; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QAbstractButton *makeArrow(const QString &image, int tag, int x);
    // Moves the content to x (animated) and checks the tiles once it has come to rest.
    void slideContentTo(double x);

    DNEffectPreviewDelegate *delegate_ = nullptr;
    QLabel *backgroundView_ = nullptr;
    QWidget *contentView_ = nullptr;
    QAbstractButton *leftArrow_ = nullptr;
    QAbstractButton *rightArrow_ = nullptr;
    QList<QImage> demoImages_;
    QPoint dragStart_;
    int direction_ = 0;
};
