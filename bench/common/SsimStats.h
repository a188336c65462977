#pragma once

// The per-frame SSIM that ffmpeg's ssim filter writes into its stats_file, one value a frame in
// the order of the frames.

#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <vector>

inline std::vector<double> readSsimStats(const QString &statsFile)
{
    QFile file(statsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<double> values;
    const QRegularExpression all(QStringLiteral("All:([0-9.]+)"));
    while (!file.atEnd())
        if (const QRegularExpressionMatch m = all.match(QString::fromUtf8(file.readLine())); m.hasMatch())
            values.push_back(m.captured(1).toDouble());
    return values;
}
