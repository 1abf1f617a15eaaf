// AccessibleNames.h: what a screen reader announces for each control and
// label of a window, beside what the screen shows for it, so that a test can
// ask that every control be named by its visible label.
#pragma once

#include "dialogs/TableText.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScrollBar>

#include <vector>

struct ControlName {
    QString control;  // class and object name, for a failure message
    QString heard;    // the accessible name
    QString shown;    // the visible label
};

// Whether `text` is what a label of `window` shows: a control named
// explicitly must be named by a text the user can see.
inline bool isShownByALabel(QWidget* window, const QString& text) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisibleTo(window) && withoutMnemonic(label->text()) == text)
            return true;
    }
    return false;
}

// Repeated controls add their place to what the screen shows: the title of
// their group in front ("Buffer 2 Identifier:") and their position after a
// label they share ("Data 3" after "Data:").
inline bool isPlacedName(QWidget* window, QWidget* control, const QString& heard, const QString& shown) {
    QString name = heard;
    for (QWidget* parent = control->parentWidget(); parent && parent != window; parent = parent->parentWidget()) {
        const auto* group = qobject_cast<QGroupBox*>(parent);
        const QString title = group ? withoutMnemonic(group->title()) + QLatin1Char(' ') : QString();
        if (group && name.startsWith(title)) {
            name.remove(0, title.size());
            break;
        }
    }
    if (!shown.isEmpty() && name == shown)
        return true;
    static const QRegularExpression position(QStringLiteral("^(.+) [1-9][0-9]*$"));
    const QRegularExpressionMatch match = position.match(name);
    return match.hasMatch() && (isShownByALabel(window, match.captured(1)) ||
                                isShownByALabel(window, match.captured(1) + QLatin1Char(':')));
}

// A widget a user acts on or reads; the parts of a composite control (the
// line edit of a spin box, the scroll bars and header of a list) belong to it.
inline bool isNamedControl(QWidget* widget) {
    if (qobject_cast<QScrollBar*>(widget) || qobject_cast<QHeaderView*>(widget))
        return false;
    QWidget* parent = widget->parentWidget();
    if (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent))
        return false;
    if (auto* label = qobject_cast<QLabel*>(widget))
        return !label->text().isEmpty();
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
           qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
           qobject_cast<QAbstractSlider*>(widget) || qobject_cast<QProgressBar*>(widget) ||
           qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QGroupBox*>(widget);
}

// Whether `control` is the only control the group shows.
inline bool isAloneIn(QGroupBox* group, QWidget* control) {
    for (QWidget* widget : group->findChildren<QWidget*>()) {
        if (widget != control && widget->isVisibleTo(group) && isNamedControl(widget))
            return false;
    }
    return true;
}

// The text of the label whose buddy the control is (it names what a button's
// own text may only show, such as a colour), else a button's text or a
// group's title, else the title of the group the control sits in alone;
// empty when the screen shows no label for it.
inline QString visibleLabel(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->buddy() ? withoutMnemonic(label->text()) : label->text();
    for (QLabel* label : control->window()->findChildren<QLabel*>()) {
        if (label->buddy() == control)
            return withoutMnemonic(label->text());
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return withoutMnemonic(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(control))
        return withoutMnemonic(group->title());
    if (auto* group = qobject_cast<QGroupBox*>(control->parentWidget()); group && isAloneIn(group, control))
        return withoutMnemonic(group->title());
    return {};
}

// Every control and label of `window` that the screen shows.
inline std::vector<ControlName> controlNames(QWidget* window) {
    std::vector<ControlName> names;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || !isNamedControl(widget))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        const QString heard = accessible ? accessible->text(QAccessible::Name) : QString();
        QString shown = visibleLabel(widget);
        if (shown.isEmpty() && !heard.isEmpty() && isShownByALabel(window, heard))
            shown = heard;
        else if (!heard.isEmpty() && heard != shown && isPlacedName(window, widget, heard, shown))
            shown = heard;
        names.push_back({QStringLiteral("%1 \"%2\"")
                             .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName()),
                         heard, shown});
    }
    return names;
}

// For EXPECT_TRUE: the controls whose name is missing or differs from their
// label, one per line, or nothing.
inline QString misnamedControls(QWidget* window) {
    QString report;
    for (const ControlName& name : controlNames(window)) {
        if (name.shown.isEmpty() || name.heard != name.shown)
            report += QStringLiteral("%1: heard \"%2\", shown \"%3\"\n").arg(name.control, name.heard, name.shown);
    }
    return report;
}
