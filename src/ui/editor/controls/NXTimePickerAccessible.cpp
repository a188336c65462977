#include "NXTimePickerAccessible.h"

#include "NXTimePicker.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace {

class NXTimePickerAccessible : public QAccessibleWidget
{
public:
    explicit NXTimePickerAccessible(NXTimePicker *picker)
        : QAccessibleWidget(picker, QAccessible::SpinBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return picker()->stringValue();
        if (t == QAccessible::Description)
            return QCoreApplication::translate("NXTimePicker", "Time Picker");
        return QAccessibleWidget::text(t);
    }

    // A value set from outside reaches no field: only the fields' own edits change the time.
    void setText(QAccessible::Text, const QString &) override {}

    QStringList actionNames() const override
    {
        return {QAccessibleActionInterface::increaseAction(), QAccessibleActionInterface::decreaseAction()};
    }

    QString localizedActionDescription(const QString &name) const override
    {
        if (name == QAccessibleActionInterface::increaseAction())
            return QCoreApplication::translate("NXTimePicker", "Increment");
        if (name == QAccessibleActionInterface::decreaseAction())
            return QCoreApplication::translate("NXTimePicker", "Decrement");
        return QString();
    }

    void doAction(const QString &name) override
    {
        if (name == QAccessibleActionInterface::increaseAction())
            picker()->cell().moveUp();
        else if (name == QAccessibleActionInterface::decreaseAction())
            picker()->cell().moveDown();
        else
            return;
        picker()->update();
    }

private:
    NXTimePicker *picker() const { return static_cast<NXTimePicker *>(widget()); }
};

QAccessibleInterface *timePickerFactory(const QString &, QObject *object)
{
    if (auto *picker = qobject_cast<NXTimePicker *>(object))
        return new NXTimePickerAccessible(picker);
    return nullptr;
}

} // namespace

void NXTimePickerInstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(timePickerFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
