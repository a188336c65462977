#pragma once

#include "profiles/DNProfile.h"
#include "ui/profiles/NXDetailProfileScrollView.h"

#include <QList>
#include <QObject>

#include <memory>

// The notification the card list posts when its selection changes (object: the card list).
inline const QString kNXTableViewSelectionDidChanged = QStringLiteral("NXTableViewSelectionDidChanged_");

// The data source of the chooser's card list: one card per profile, the card's kind by the
// profile's major class (1 DVD backup, 13 audio only), and the quality slider writing the
// profile's quality step.
class DNProfilePreviewTableViewController : public QObject, public NXProfileViewDelegate
{
    Q_OBJECT
public:
    explicit DNProfilePreviewTableViewController(QObject *parent = nullptr);
    ~DNProfilePreviewTableViewController() override;

    NXDetailProfileScrollView *tableView() const { return detailCategoryTable; }
    // Null when no card is selected or the selection is out of range.
    std::shared_ptr<DNProfile> selectedProfile() const;

    int profilesCounts() const override { return int(dataSource_.size()); }
    NXProfilePreviewCell *dataCellForIndex(int index) override;
    void dataCellSelectedAtIndex(int index) override;
    void reloadData();
    NXProfilePreviewCell *cellWithProfile(const DNProfile &profile);
    void qualityModelChanged(NXProfilePreviewCell *cell);
    // "<title> Profile Selected"; null without a selection.
    QString notificationMessage() const;

    const QList<std::shared_ptr<DNProfile>> &dataSource() const { return dataSource_; }
    void setDataSource(const QList<std::shared_ptr<DNProfile>> &profiles) { dataSource_ = profiles; }

private:
    void postSelectionChanged();

    NXDetailProfileScrollView *detailCategoryTable;
    QList<std::shared_ptr<DNProfile>> dataSource_;
};
