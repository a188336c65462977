#include "DNTabView.h"

#include "ui/controls/DNImageNamed.h"

#include <QTabBar>

DNTabViewItem::DNTabViewItem(const QString &identifier, const QString &label, QWidget *view, QObject *parent)
    : QObject(parent), identifier_(identifier), label_(label), view_(view)
{
    setObjectName(identifier);
}

DNTabViewItem::~DNTabViewItem()
{
    // A page out of the tab view belongs to its item alone.
    if (view_ && !tabView_)
        delete view_;
}

QPixmap DNTabViewItem::onImage()
{
    static const QPixmap image = DNImageNamed(QStringLiteral("tabViewItemImageon.png"));
    return image;
}

QPixmap DNTabViewItem::offImage()
{
    static const QPixmap image = DNImageNamed(QStringLiteral("tabViewItemImageoff.png"));
    return image;
}

void DNTabViewItem::setImageState(bool state)
{
    if (state == imageState_)
        return;
    imageState_ = state;
    showMark();
}

void DNTabViewItem::showMark()
{
    if (!tabView_ || !view_)
        return;
    const int index = tabView_->indexOf(view_);
    if (index >= 0)
        tabView_->setTabIcon(index, QIcon(imageState_ ? onImage() : offImage()));
}

DNTabView::DNTabView(QWidget *parent) : QTabWidget(parent)
{
    tabBar()->setIconSize(DNTabViewItem::onImage().deviceIndependentSize().toSize());
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (DNTabViewItem *item = items_.value(index))
            Q_EMIT didSelectTabViewItem(item);
    });
}

void DNTabView::addTabViewItem(DNTabViewItem *item)
{
    if (!item || items_.contains(item) || !item->view())
        return;
    items_.append(item);
    item->tabView_ = this;
    addTab(item->view(), item->label());
    item->showMark();
}

void DNTabView::removeTabViewItem(DNTabViewItem *item)
{
    const int index = items_.indexOf(item);
    if (index < 0)
        return;
    // Out of the list first: removing the tab may select another, which is then told.
    items_.removeAt(index);
    item->tabView_ = nullptr;
    removeTab(index);
    if (item->view())
        item->view()->setParent(nullptr);
}

DNTabViewItem *DNTabView::tabViewItemWithIdentifier(const QString &identifier) const
{
    for (DNTabViewItem *item : items_)
        if (item->identifier() == identifier)
            return item;
    return nullptr;
}

void DNTabView::selectTabViewItemAtIndex(int index)
{
    if (index < 0 || index >= items_.size())
        return;
    if (index == currentIndex())
        Q_EMIT didSelectTabViewItem(items_.at(index));
    else
        setCurrentIndex(index);
}
