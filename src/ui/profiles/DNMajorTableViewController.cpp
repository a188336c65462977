#include "ui/profiles/DNMajorTableViewController.h"

#include "profiles/DNProfileManager.h"

DNMajorTableViewController::DNMajorTableViewController(QObject *parent)
    : NXCategoryTableController(QStringLiteral("icon_default_nor"), parent)
{
}

void DNMajorTableViewController::setMedioType(int kind)
{
    medioType_ = kind;
    loadDataSourceWithCurrentType();
}

void DNMajorTableViewController::loadDataSourceWithCurrentType()
{
    struct Group
    {
        const char *header;
        int membership;
    };
    static const Group groups[] = {
        {QT_TR_NOOP("Frequently Used Profile"), NXProfileMembershipFrequently},
        {QT_TR_NOOP("DVD Backup Profile"), NXProfileMembershipDVDBackup},
        {QT_TR_NOOP("Mobile Video Profile"), NXProfileMembershipDevice},
        {QT_TR_NOOP("Web Video Profile"), NXProfileMembershipWeb},
        {QT_TR_NOOP("Common Video Profile"), NXProfileMembershipGeneral},
    };
    QList<Row> rows;
    for (const Group &group : groups) {
        const auto items = profileManager().major_ProfileCategoriesOfType(medioType_, group.membership);
        // A header over nothing (the file catalogue has no DVD backups) would only puzzle; the
        // first group always has its recent-profiles row.
        if (items.isEmpty() && group.membership != NXProfileMembershipFrequently)
            continue;
        rows << Row {tr(group.header), nullptr};
        for (const auto &item : items)
            rows << Row {QString(), item};
    }
    setRows(rows);
}

QString DNMajorTableViewController::notificationMessage() const
{
    const QString message = NXCategoryTableController::notificationMessage();
    return message.isNull() ? tr("No Profile Selected") : message;
}
