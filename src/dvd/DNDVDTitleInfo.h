#pragma once

#include <QString>

// A title's IFO name. Nothing fills it yet; it is kept for the log format it prints.
class DNDVDTitleInfo
{
public:
    int index() const { return index_; }
    void setIndex(int v) { index_ = v; }
    QString ifoName() const { return ifoName_; }
    void setIfoName(const QString &v) { ifoName_ = v; }

    QString description() const
    {
        return QStringLiteral("index:%1-->lang:%2").arg(index_).arg(ifoName_);
    }

private:
    int index_ = 0;
    QString ifoName_;
};
