#include "slideshow/engine/NXImageEngineJob.h"

#include "core/plist/DNPropertyList.h"
#include "core/util/DNPaths.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

QString NXStringFromSize(QSizeF size)
{
    return QStringLiteral("{%1, %2}").arg(size.width()).arg(size.height());
}

QSizeF NXSizeFromString(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*\{\s*([-+0-9.eE]+)\s*,\s*([-+0-9.eE]+)\s*\}\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return QSizeF();
    bool okWidth = false, okHeight = false;
    const double width = match.captured(1).toDouble(&okWidth);
    const double height = match.captured(2).toDouble(&okHeight);
    return okWidth && okHeight ? QSizeF(width, height) : QSizeF();
}

QString NXHiddenRenderPath(const QString &targetPath)
{
    const QFileInfo target(targetPath);
    const QString suffix = target.suffix().isEmpty() ? QString() : QLatin1Char('.') + target.suffix();
    // A long target name is cut where the hidden one would pass what the file system takes.
    const QString name = DNFitFileName(target.path(), QStringLiteral("."), target.completeBaseName(),
                                       QStringLiteral(".rendering") + suffix);
    return name.isEmpty() ? QString() : target.path() + QLatin1Char('/') + name;
}

namespace {

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool number(const QVariantMap &job, const QString &key, double &value, QString *error)
{
    const QVariant v = job.value(key);
    bool ok = false;
    value = v.toDouble(&ok);
    if (!v.isValid() || !ok || !std::isfinite(value) || value <= 0)
        return fail(error, QStringLiteral("\"%1\" is no positive number").arg(key));
    return true;
}

// The texts of an array; paths must not be empty.
bool texts(const QVariantMap &job, const QString &key, QStringList &values, QString *error)
{
    const QVariant v = job.value(key);
    if (!v.isValid())
        return true;
    if (v.typeId() != QMetaType::QVariantList)
        return fail(error, QStringLiteral("\"%1\" is no array").arg(key));
    for (const QVariant &item : v.toList()) {
        if (item.typeId() != QMetaType::QString || item.toString().isEmpty())
            return fail(error, QStringLiteral("\"%1\" holds something that is no path").arg(key));
        values.append(item.toString());
    }
    return true;
}

} // namespace

std::optional<NXImageEngineJob> NXImageEngineJob::fromPropertyList(const QVariant &list, QString *error)
{
    if (list.typeId() != QMetaType::QVariantMap) {
        fail(error, QStringLiteral("the job is no dictionary"));
        return std::nullopt;
    }
    const QVariantMap map = list.toMap();
    NXImageEngineJob job;
    if (!number(map, NXImageEngineKey::showDuration, job.showDuration, error)
        || !number(map, NXImageEngineKey::videoFPS, job.fps, error)
        || !texts(map, NXImageEngineKey::imageSquenes, job.photos, error)
        || !texts(map, NXImageEngineKey::audioList, job.music, error))
        return std::nullopt;
    if (job.photos.isEmpty()) {
        fail(error, QStringLiteral("the job names no photo"));
        return std::nullopt;
    }
    const QVariant effects = map.value(NXImageEngineKey::effectList);
    if (effects.isValid() && effects.typeId() != QMetaType::QVariantList) {
        fail(error, QStringLiteral("\"effectList\" is no array"));
        return std::nullopt;
    }
    for (const QVariant &type : effects.toList()) {
        bool ok = false;
        const int value = type.toInt(&ok);
        if (!ok || value < 0) {
            fail(error, QStringLiteral("\"effectList\" holds something that is no transition type"));
            return std::nullopt;
        }
        job.effects.append(value);
    }
    const QSizeF size = NXSizeFromString(map.value(NXImageEngineKey::videoSize).toString());
    // Encoders take even sizes only.
    job.frameSize = QSize(int(std::lround(size.width())) & ~1, int(std::lround(size.height())) & ~1);
    if (!size.isValid() || job.frameSize.width() < 2 || job.frameSize.height() < 2) {
        fail(error, QStringLiteral("\"videoSize\" is no frame size"));
        return std::nullopt;
    }
    job.targetPath = map.value(NXImageEngineKey::targetPath).toString();
    if (job.targetPath.isEmpty()) {
        fail(error, QStringLiteral("the job names no target path"));
        return std::nullopt;
    }
    job.shadingImage = map.value(NXImageEngineKey::shadingImage).toString();
    job.blankImage = map.value(NXImageEngineKey::blankImage).toString();
    return job;
}

std::optional<NXImageEngineJob> NXImageEngineJob::read(const QString &path, QString *error)
{
    QString why;
    const QVariant list = readPropertyList(path, &why);
    if (!list.isValid()) {
        fail(error, QStringLiteral("the job file %1 cannot be read: %2").arg(path, why));
        return std::nullopt;
    }
    return fromPropertyList(list, error);
}
