// PushButtons.h: finds a dialog's button the way a user does, by its text.
#pragma once

#include <QPushButton>
#include <QWidget>

inline QPushButton* pushButtonWithText(QWidget* parent, const QString& text) {
    for (QPushButton* button : parent->findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}
