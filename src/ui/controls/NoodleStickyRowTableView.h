#pragma once

#include "ui/controls/NoodleStickyRowView.h"

#include <QTableView>
#include <QTreeView>

// A table view whose group rows stay pinned at the top while scrolling.
class NoodleStickyRowTableView : public QTableView, public NoodleStickyRowExtensions
{
    Q_OBJECT
public:
    explicit NoodleStickyRowTableView(QWidget *parent = nullptr);

    int noodleRowCount() const override;
    int noodleRowAtY(int y) const override;
    QRect noodleRowRect(int row) const override;
    QModelIndex noodleIndex(int row, int column) const override;
    void noodleScrollToRow(int row) override;
    QColor noodleGridColor() const override { return gridColor_; }
    void setGridColor(const QColor &color) { gridColor_ = color; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QColor gridColor_ = QColor(Qt::lightGray);
};

// An outline view whose group items stay pinned at the top while scrolling. Rows are the
// visible (expanded) items from the top.
class NoodleStickyRowOutlineView : public QTreeView, public NoodleStickyRowExtensions
{
    Q_OBJECT
public:
    explicit NoodleStickyRowOutlineView(QWidget *parent = nullptr);

    int noodleRowCount() const override;
    int noodleRowAtY(int y) const override;
    QRect noodleRowRect(int row) const override;
    QModelIndex noodleIndex(int row, int column) const override;
    void noodleScrollToRow(int row) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QList<QModelIndex> visibleRows() const;
};
