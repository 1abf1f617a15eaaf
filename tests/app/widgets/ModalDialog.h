// ModalDialog.h: lets a test act in a modal dialog that the code under test
// opens and runs with exec(): the action runs once the dialog is up.
#pragma once

#include "support/PushButtons.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Runs `act` on the next modal dialog of type `Dialog` to open.
template <class Dialog>
void whenDialogOpens(std::function<void(Dialog*)> act) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(dialog);
    });
    poll->start();
}

// Clicks the push button of `dialog` whose text is `text`; false if none.
inline bool clickButton(QDialog* dialog, const QString& text) {
    QPushButton* button = pushButtonWithText(dialog, text);
    if (button)
        button->click();
    return button != nullptr;
}

// Leaves a dialog that the button did not close, so the test goes on.
inline void rejectIfStillOpen(QDialog* dialog) {
    if (dialog->isVisible())
        dialog->reject();
}
