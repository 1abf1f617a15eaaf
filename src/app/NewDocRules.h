// NewDocRules.h: what the New dialog does with its choice: when the protocol
// buttons are usable, and whether OK opens a data list or keeps the dialog
// open (asking first to close a data list that is already open).
#pragma once

#include "protocol/Protocol.h"

class MessageSink;

// The protocol buttons follow the "Data List" box, from the dialog's opening.
inline bool areProtocolChoicesEnabled(bool dataListChecked) { return dataListChecked; }

struct NewDocChoice {
    bool dataList = false;
    Protocol protocol = Protocol::none;
};

// The documents the dialog may close.
class NewDocHost {
public:
    virtual ~NewDocHost() = default;
    virtual bool isDataListOpen() const = 0;
    // Closes every data list document at once, without offering to save.
    virtual void closeDataListDocuments() = 0;
};

enum class NewDocOutcome { stayInDialog, openDataList };

// OK of the New dialog. When it answers openDataList the caller sets the
// protocol, opens the document and resets the capture.
NewDocOutcome confirmNewDocument(const NewDocChoice& choice, NewDocHost& host, MessageSink& messages);
