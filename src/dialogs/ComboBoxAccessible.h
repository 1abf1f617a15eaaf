// ComboBoxAccessible.h: a drop-down list as a screen reader should hear it:
// named by its label, with its current entry as its value. Qt on Linux names
// a list by its current entry and leaves the label to a relation, which
// many readers and test tools never follow.
#pragma once

#include <QAccessibleWidget>

class QComboBox;

class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(QComboBox* list);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;

    // Gives every drop-down list of the program this interface; the program
    // calls it once at start.
    static void install();

private:
    QComboBox* list() const;
};
