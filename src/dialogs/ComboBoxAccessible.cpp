#include "dialogs/ComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

QAccessibleInterface* createForComboBox(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox"))
        return new ComboBoxAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

}  // namespace

ComboBoxAccessible::ComboBoxAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

void ComboBoxAccessible::install() { QAccessible::installFactory(createForComboBox); }

QComboBox* ComboBoxAccessible::list() const { return static_cast<QComboBox*>(widget()); }

// The entries' popup, and the text field of an editable list.
int ComboBoxAccessible::childCount() const { return list()->lineEdit() ? 2 : 1; }

QAccessibleInterface* ComboBoxAccessible::child(int index) const {
    if (index == 0)
        return QAccessible::queryAccessibleInterface(list()->view());
    if (index == 1 && list()->lineEdit())
        return QAccessible::queryAccessibleInterface(list()->lineEdit());
    return nullptr;
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child)
        return -1;
    if (child->object() == list()->view())
        return 0;
    if (list()->lineEdit() && child->object() == list()->lineEdit())
        return 1;
    return -1;
}

QString ComboBoxAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value)
        return list()->lineEdit() ? list()->lineEdit()->text() : list()->currentText();
    const QString own = QAccessibleWidget::text(kind);
    // A list without a label is still heard as something: its entry.
    if (kind == QAccessible::Name && own.isEmpty())
        return list()->currentText();
    return own;
}

QAccessible::State ComboBoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = list()->view()->isVisible();
    state.editable = list()->isEditable();
    return state;
}

QStringList ComboBoxAccessible::actionNames() const {
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void ComboBoxAccessible::doAction(const QString& name) {
    if (name != showMenuAction() && name != pressAction()) {
        QAccessibleWidget::doAction(name);
        return;
    }
    if (list()->view()->isVisible())
        list()->hidePopup();
    else
        list()->showPopup();
}
