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
        rows << Row {tr(group.header), nullptr};
        for (const auto &item : profileManager().major_ProfileCategoriesOfType(medioType_, group.membership))
            rows << Row {QString(), item};
    }
    setRows(rows);
}

QString DNMajorTableViewController::notificationMessage() const
{
    const QString message = NXCategoryTableController::notificationMessage();
    return message.isNull() ? tr("No Profile Selected") : message;
}
