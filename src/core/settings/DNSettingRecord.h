#pragma once

#include <QString>
#include <QVariantMap>

#include <functional>
#include <mutex>
#include <variant>
#include <vector>

// Base of the settings records. A record's fields are described once, as a table of
// (stored key, member), and that table drives both the archive form and the decoding; the
// named accessors of each record go through get()/assign(), which
// - lock the record, so the conversion worker may read a field (a folder text, say) while the
//   preferences window changes it, and
// - tell the owner (DNSetting) that something changed, so the change is saved at once rather
//   than only when the application quits normally.
class DNSettingRecord
{
public:
    virtual ~DNSettingRecord() = default;
    DNSettingRecord(const DNSettingRecord &) = delete;
    DNSettingRecord &operator=(const DNSettingRecord &) = delete;

    // The class name the archive records the object under.
    virtual QString className() const = 0;
    // The record's keys and values (a null text is left out).
    virtual QVariantMap archive() const = 0;
    // Takes every field from map: a missing key gives a null text, false, 0 or 0.0; then the
    // record's own fallbacks (fixDecodedValues) apply.
    virtual void restore(const QVariantMap &map) = 0;

    // Called after every change made through a setter (from the changing thread, without the
    // record's lock held). DNSetting installs it on the records it holds.
    void setChangeHandler(std::function<void()> handler);

protected:
    DNSettingRecord() = default;

    template <class T>
    T get(const T &field) const
    {
        std::lock_guard lock(m_mutex);
        return field;
    }

    template <class T>
    void assign(T &field, const T &value)
    {
        {
            std::lock_guard lock(m_mutex);
            if (field == value)
                return;
            field = value;
        }
        notifyChanged();
    }

    void notifyChanged() const;

    mutable std::recursive_mutex m_mutex;

private:
    std::function<void()> m_changeHandler;
    mutable std::mutex m_handlerMutex;
};

// The field table and the generic archive/restore for a record class R.
template <class R>
class DNSettingRecordOf : public DNSettingRecord
{
public:
    using Member = std::variant<bool R::*, int R::*, unsigned int R::*, float R::*, QString R::*>;
    struct Field
    {
        const char *key;
        Member member;
    };

    QVariantMap archive() const override
    {
        std::lock_guard lock(m_mutex);
        const R &self = static_cast<const R &>(*this);
        QVariantMap map;
        for (const Field &field : R::fields()) {
            std::visit(
                [&](auto member) {
                    using T = std::remove_cvref_t<decltype(self.*member)>;
                    if constexpr (std::is_same_v<T, QString>) {
                        if (!(self.*member).isNull())
                            map.insert(QLatin1String(field.key), self.*member);
                    } else {
                        map.insert(QLatin1String(field.key), QVariant::fromValue(self.*member));
                    }
                },
                field.member);
        }
        return map;
    }

    void restore(const QVariantMap &map) override
    {
        {
            std::lock_guard lock(m_mutex);
            R &self = static_cast<R &>(*this);
            for (const Field &field : R::fields()) {
                const QVariant value = map.value(QLatin1String(field.key));
                std::visit(
                    [&](auto member) {
                        using T = std::remove_cvref_t<decltype(self.*member)>;
                        if constexpr (std::is_same_v<T, QString>)
                            self.*member = value.typeId() == QMetaType::QString ? value.toString() : QString();
                        else if constexpr (std::is_same_v<T, bool>)
                            self.*member = value.toBool();
                        else if constexpr (std::is_same_v<T, int>)
                            self.*member = value.toInt();
                        else if constexpr (std::is_same_v<T, unsigned int>)
                            self.*member = value.toUInt();
                        else
                            self.*member = value.toFloat();
                    },
                    field.member);
            }
            self.fixDecodedValues();
        }
        notifyChanged();
    }
};
