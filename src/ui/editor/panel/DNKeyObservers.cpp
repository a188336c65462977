#include "DNKeyObservers.h"

void DNKeyObservers::setDependencies(const QString &value, const QStringList &keys)
{
    for (const QString &key : keys)
        if (!dependents_[key].contains(value))
            dependents_[key].append(value);
}

void DNKeyObservers::observe(const QString &value, std::function<void()> refresh)
{
    observers_[value].append(std::move(refresh));
}

QStringList DNKeyObservers::affectedValues(const QString &key) const
{
    QStringList values{key};
    for (qsizetype i = 0; i < values.size(); ++i)
        for (const QString &dependent : dependents_.value(values.at(i)))
            if (!values.contains(dependent))
                values.append(dependent);
    return values;
}

void DNKeyObservers::didChange(const QString &key)
{
    for (const QString &value : affectedValues(key))
        for (const auto &refresh : observers_.value(value))
            refresh();
}
