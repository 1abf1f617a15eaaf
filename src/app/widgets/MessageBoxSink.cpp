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

}  // namespace

MessageReply MessageBoxSink::show(const Message& message) {
    // The owner is the dialog's QWidget, handed over as an opaque pointer.
    QWidget* owner = message.owner ? static_cast<QWidget*>(const_cast<void*>(message.owner)) : applicationWindow_;
    const bool yesNo = message.buttons == MessageButtons::YesNo;
    QMessageBox box(boxIcon(message.icon), QString::fromStdString(message.caption), QString::fromStdString(message.text),
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner);
    const int answer = box.exec();
    if (!yesNo)
        return MessageReply::Ok;
    return answer == QMessageBox::Yes ? MessageReply::Yes : MessageReply::No;
}
