#include "app/NewDocRules.h"

#include "core/MessageSink.h"
#include "core/StringTable.h"

NewDocOutcome confirmNewDocument(const NewDocChoice& choice, NewDocHost& host, MessageSink& messages) {
    if (host.isDataListOpen()) {
        const MessageReply reply = messages.show(
            applicationMessage(strings::kCloseOldDocument, MessageIcon::Information, MessageButtons::YesNo));
        if (reply == MessageReply::Yes)
            host.closeDataListDocuments();
    }
    if (!choice.dataList)
        return NewDocOutcome::stayInDialog;
    if (choice.protocol == Protocol::none) {
        messages.show(applicationMessage(strings::kSelectProtocol, MessageIcon::Information));
        return NewDocOutcome::stayInDialog;
    }
    if (host.isDataListOpen())
        return NewDocOutcome::stayInDialog;
    return NewDocOutcome::openDataList;
}
