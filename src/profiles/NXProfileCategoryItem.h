#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <memory>

// The chooser's groups of major categories, by the "Membership" prefix of a category.
enum NXProfileMembership : qint32 {
    NXProfileMembershipNone = 0,
    NXProfileMembershipFrequently = 1,
    NXProfileMembershipDVDBackup = 2,
    NXProfileMembershipDevice = 3,
    NXProfileMembershipWeb = 4,
    NXProfileMembershipGeneral = 5,
};

// One entry of a category list: a major category (its content names secondary categories) or
// a secondary one (its content names profile files, without ".plist").
class NXProfileCategoryItem
{
public:
    NXProfileCategoryItem() = default;
    explicit NXProfileCategoryItem(const QVariantMap &dictionary) { parseValueFromDictionary(dictionary); }
    static std::shared_ptr<NXProfileCategoryItem> categoryWithDictionary(const QVariantMap &dictionary)
    {
        return std::make_shared<NXProfileCategoryItem>(dictionary);
    }

    void parseValueFromDictionary(const QVariantMap &dictionary);
    // The membership code of a "Membership" text, matched by prefix.
    static qint32 membershipForText(const QString &text);

    // In the interface language, else English.
    QString title() const;
    int defualtIndex() const { return defaultIndex_; }
    // 0: the content names profiles; 1: it names secondary categories.
    int memberType() const { return contentMemberType_; }

    QString ID() const { return id_; }
    void setID(const QString &id) { id_ = id; }
    QVariant ptitles() const { return ptitles_; }
    void setPtitles(const QVariant &titles) { ptitles_ = titles; }
    QString iconID() const { return iconID_; }
    void setIconID(const QString &iconID) { iconID_ = iconID; }
    QStringList content() const { return content_; }
    void setContent(const QStringList &content) { content_ = content; }
    qint32 membership() const { return membership_; }
    void setMembership(qint32 membership) { membership_ = membership; }

private:
    QString id_;
    QVariant ptitles_;
    QString iconID_;
    QStringList content_;
    qint32 membership_ = NXProfileMembershipNone;
    int contentMemberType_ = 1;
    int defaultIndex_ = 0;
};
