#pragma once

#include "slideshow/transitions/NXSampler.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <memory>

class NXFilter;
using NXFilterPtr = std::shared_ptr<NXFilter>;

// An image filter addressed by name with keyed inputs, the way the transitions are configured
// and driven: "inputImage", "inputTargetImage", "inputTime" and each filter's own keys. Values
// are QImage (images), double (numbers), QPointF (two-number vectors), QRectF (extents and
// rectangles, origin at the bottom left) and QColor. outputImage() applies the filter to the
// inputs as they are now.
class NXFilter
{
public:
    explicit NXFilter(QString name) : name_(std::move(name)) {}
    virtual ~NXFilter() = default;

    // The name the filter is registered under.
    QString name() const { return name_; }

    // Sets every input that has a default to it; images and other inputs without one stay.
    void setDefaults();
    void setValue(const QVariant &value, const QString &key) { inputs_.insert(key, value); }
    QVariant valueForKey(const QString &key) const { return inputs_.value(key); }
    QStringList inputKeys() const;

    // A null image when an image the filter needs is missing.
    virtual QImage outputImage() const = 0;
    // A new filter of the same kind with the same input values.
    virtual NXFilterPtr copy() const = 0;

protected:
    // The filter's inputs with default values.
    virtual QVariantMap defaults() const { return {}; }

    double number(const QString &key, double fallback = 0.0) const;
    QPointF vector(const QString &key) const { return inputs_.value(key).toPointF(); }
    QRectF rect(const QString &key) const { return inputs_.value(key).toRectF(); }
    QColor color(const QString &key) const { return inputs_.value(key).value<QColor>(); }
    QImage image(const QString &key) const { return inputs_.value(key).value<QImage>(); }

    // The source and target images as samplers and the size of the output that covers both;
    // false when either image is missing.
    bool transitionImages(NXSampler &source, NXSampler &target, QSize &size) const;
    // The rectangle input key, or the whole output when it is unset or empty (the built-in
    // transitions then work over the images' own extent).
    QRectF extentOr(const QString &key, QSize size) const;
    // The vector input key, or the middle of extent when it is unset.
    QPointF centerOr(const QString &key, const QRectF &extent) const;

private:
    QString name_;
    QVariantMap inputs_;
};

// The copy of a concrete filter class: every value lives in the inputs, so a copy is a copy.
template <class Derived>
class NXFilterOf : public NXFilter
{
public:
    using NXFilter::NXFilter;
    NXFilterPtr copy() const override { return std::make_shared<Derived>(static_cast<const Derived &>(*this)); }
};

// A transition over a source and a target image: the base checks both images and hands
// Derived::render(source, target, output size, inputTime) its samplers; Derived::moreDefaults()
// adds defaults to "inputTime" 0.
template <class Derived>
class NXTransitionOf : public NXFilterOf<Derived>
{
public:
    using NXFilterOf<Derived>::NXFilterOf;

    QImage outputImage() const override;
    // The transition's defaults besides the time; none unless Derived has its own.
    QVariantMap moreDefaults() const { return {}; }

protected:
    QVariantMap defaults() const override;
};

// The keys every transition shares.
namespace NXFilterKey {
inline const QString image = QStringLiteral("inputImage");
inline const QString targetImage = QStringLiteral("inputTargetImage");
inline const QString time = QStringLiteral("inputTime");
inline const QString center = QStringLiteral("inputCenter");
inline const QString extent = QStringLiteral("inputExtent");
inline const QString angle = QStringLiteral("inputAngle");
inline const QString width = QStringLiteral("inputWidth");
inline const QString radius = QStringLiteral("inputRadius");
inline const QString shadingImage = QStringLiteral("inputShadingImage");
inline const QString backsideImage = QStringLiteral("inputBacksideImage");
inline const QString mode = QStringLiteral("inputMode");
inline const QString rectangle = QStringLiteral("inputRectangle");
inline const QString color = QStringLiteral("inputColor");
} // namespace NXFilterKey

inline constexpr double NXPi = 3.141592653589793;

template <class Derived>
QImage NXTransitionOf<Derived>::outputImage() const
{
    NXSampler source, target;
    QSize size;
    if (!this->transitionImages(source, target, size))
        return QImage();
    return static_cast<const Derived *>(this)->render(source, target, size, this->number(NXFilterKey::time));
}

template <class Derived>
QVariantMap NXTransitionOf<Derived>::defaults() const
{
    QVariantMap values = static_cast<const Derived *>(this)->moreDefaults();
    values.insert(NXFilterKey::time, 0.0);
    return values;
}
