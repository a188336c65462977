#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The editor's observable values by name: controls observe a value, values depend on other keys,
// and announcing a key refreshes the observers of that key and of every value that depends on
// it, directly or through another value. A refresh only shows a value; the controls' own signals
// are the observers' business.
class DNKeyObservers
{
public:
    // value depends on each of keys.
    void setDependencies(const QString &value, const QStringList &keys);
    void observe(const QString &value, std::function<void()> refresh);

    // Refreshes the observers of key and of the values depending on it, each once.
    void didChange(const QString &key);
    // The values a change of key refreshes: key itself first, then its dependents.
    QStringList affectedValues(const QString &key) const;

private:
    QHash<QString, QStringList> dependents_;
    QHash<QString, QList<std::function<void()>>> observers_;
};
