// ControlRows.h: what a filter dialog's rows of controls are made of: a row
// of widgets kept to the left, and a label that names the control after it
// for a screen reader as well as on the screen.
#pragma once

#include "dialogs/TableText.h"

#include <QHBoxLayout>
#include <QLabel>

#include <initializer_list>

inline QHBoxLayout* controlRow(std::initializer_list<QWidget*> widgets) {
    auto* layout = new QHBoxLayout;
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

inline QLabel* labelFor(QWidget* control, int text) {
    auto* label = new QLabel(tableText(text));
    label->setBuddy(control);
    return label;
}
