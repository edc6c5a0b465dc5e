#include "app/AccessibleComboBox.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

// A list that cannot be edited: the choices' view is its only child, as Qt
// has it, so the open list is reached the same way.
class AccessibleComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    {
        addControllingSignal(QStringLiteral("activated(int)"));
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return comboBox()->currentText();
        return QAccessibleWidget::text(type);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(comboBox()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == comboBox()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (comboBox()->view()->isVisible())
            comboBox()->hidePopup();
        else
            comboBox()->showPopup();
    }

private:
    QComboBox* comboBox() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* accessibleComboBox(const QString& className, QObject* object)
{
    if (className != QLatin1String("QComboBox"))
        return nullptr;
    auto* box = qobject_cast<QComboBox*>(object);
    // An editable list keeps Qt's description, which reaches its text box.
    return box && !box->isEditable() ? new AccessibleComboBox(box) : nullptr;
}

} // namespace

void installAccessibleComboBoxes()
{
    QAccessible::installFactory(accessibleComboBox);
}
