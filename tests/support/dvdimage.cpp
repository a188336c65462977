#include "support/dvdimage.h"

#include "support/process.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace testsupport {
DiscListing listDisc(const QString &source)
{
    const auto r = runProcess(QStringLiteral("/usr/bin/lsdvd"), {source});
    DiscListing d;
    const QString text = QString::fromUtf8(r.output);
    const QRegularExpression title(QStringLiteral("^Title: \\d+, Length: (\\d+):(\\d+):(\\d+\\.\\d+)"),
                                   QRegularExpression::MultilineOption);
    for (auto it = title.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        d.lengths.push_back(m.captured(1).toInt() * 3600 + m.captured(2).toInt() * 60 + m.captured(3).toDouble());
    }
    d.label = QRegularExpression(QStringLiteral("Disc Title: (\\S+)")).match(text).captured(1);
    return d;
}

QStringList videoFilesNotIn(const QString &image, const QString &videoTS)
{
    QStringList problems;
    const QStringList names = QDir(videoTS).entryList(QDir::Files, QDir::Name);
    if (names.isEmpty())
        problems << videoTS + QStringLiteral(" holds no files");
    for (const QString &name : names) {
        QFile original(videoTS + QLatin1Char('/') + name);
        if (!original.open(QIODevice::ReadOnly)) {
            problems << name + QStringLiteral(": the original cannot be read");
            continue;
        }
        QProcess isoinfo;
        isoinfo.setProcessChannelMode(QProcess::SeparateChannels);
        isoinfo.start(QStringLiteral("/usr/bin/isoinfo"),
                      {QStringLiteral("-i"), image, QStringLiteral("-x"), QStringLiteral("/VIDEO_TS/%1;1").arg(name)});
        isoinfo.waitForFinished(120000);
        const QByteArray copy = isoinfo.readAllStandardOutput();
        const QByteArray bytes = original.readAll();
        if (copy.size() != bytes.size())
            problems << QStringLiteral("%1: %2 bytes in the image, %3 in the original").arg(name).arg(copy.size()).arg(bytes.size());
        else if (copy != bytes)
            problems << name + QStringLiteral(": other bytes in the image");
    }
    return problems;
}
} // namespace testsupport
