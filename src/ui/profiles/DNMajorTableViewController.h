#pragma once

#include "ui/profiles/NXCategoryTableController.h"

// The major categories of one kind (1 DVD, 2 video files), in five groups under headers:
// frequently used, DVD backup, mobile, web and common video. Row 1 is the first frequently
// used category, which stands for the recently used profiles.
class DNMajorTableViewController : public NXCategoryTableController
{
    Q_OBJECT
public:
    static constexpr int kRecentRow = 1;

    explicit DNMajorTableViewController(QObject *parent = nullptr);

    NoodleIPhoneTableView *majorCategoryTable() const { return tableView(); }
    int medioType() const { return medioType_; }
    // Stores the kind and rebuilds the rows.
    void setMedioType(int kind);
    void loadDataSourceWithCurrentType();
    // Also "No Profile Selected" without a selection.
    QString notificationMessage() const override;

private:
    int medioType_ = 1;
};
