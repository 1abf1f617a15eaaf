#include "app/widgets/MessageBoxSink.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok: return QMessageBox::Ok;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

}  // namespace

MessageReply MessageBoxSink::show(const Message& message) {
    // The owner is the dialog's QWidget, handed over as an opaque pointer.
    QWidget* owner = message.owner ? static_cast<QWidget*>(const_cast<void*>(message.owner)) : applicationWindow_;
    QMessageBox box(boxIcon(message.icon), QString::fromStdString(message.caption), QString::fromStdString(message.text),
                    boxButtons(message.buttons), owner);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageReply::Yes;
    case QMessageBox::No:
        return MessageReply::No;
    case QMessageBox::Cancel:
        return MessageReply::Cancel;
    default:
        return MessageReply::Ok;
    }
}
