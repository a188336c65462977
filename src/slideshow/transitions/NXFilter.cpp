#include "slideshow/transitions/NXFilter.h"

void NXFilter::setDefaults()
{
    const QVariantMap values = defaults();
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        inputs_.insert(it.key(), it.value());
}

QStringList NXFilter::inputKeys() const
{
    QStringList keys = defaults().keys();
    for (const QString &key : inputs_.keys())
        if (!keys.contains(key))
            keys << key;
    return keys;
}

double NXFilter::number(const QString &key, double fallback) const
{
    const QVariant v = inputs_.value(key);
    bool ok = false;
    const double value = v.toDouble(&ok);
    return ok ? value : fallback;
}

bool NXFilter::transitionImages(NXSampler &source, NXSampler &target, QSize &size) const
{
    const QImage from = image(NXFilterKey::image);
    const QImage to = image(NXFilterKey::targetImage);
    if (from.isNull() || to.isNull())
        return false;
    source = NXSampler(from);
    target = NXSampler(to);
    size = NXUnionSize(from, to);
    return true;
}

QRectF NXFilter::extentOr(const QString &key, QSize size) const
{
    const QRectF r = rect(key);
    return r.isValid() && !r.isEmpty() ? r : QRectF(QPointF(0, 0), QSizeF(size));
}

QPointF NXFilter::centerOr(const QString &key, const QRectF &extent) const
{
    const QVariant v = inputs_.value(key);
    return v.isValid() ? v.toPointF() : extent.center();
}
