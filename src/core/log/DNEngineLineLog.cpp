#include "DNEngineLineLog.h"

#include "core/log/DNLogger.h"

#include <string_view>

void DNRoughLogEngineLine(const QString &line)
{
    DNLogger::shareRoughLog().rawLog(QStringLiteral("\t") + line
                                     + (line.endsWith(QLatin1Char('\n')) ? QString() : QStringLiteral("\n")));
}

void DNEngineLineLog::feed(const QByteArray &bytes)
{
    lines_.feed(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                [this](std::string_view line) { take(line); });
}

void DNEngineLineLog::finish()
{
    lines_.finish([this](std::string_view line) { take(line); });
}

void DNEngineLineLog::take(std::string_view line)
{
    DNRoughLogEngineLine(QString::fromUtf8(line.data(), qsizetype(line.size())));
    if (read_)
        read_(line);
}
