// CAutoMessageDlg.h: the Configure Automation Message dialog. Edits the
// document's automation list (at most 8 frames) and its interval and cycle,
// and downloads the checked frames to the adapter for cyclic sending. Every
// change goes into the document at once, so Cancel only closes.
#pragma once

#include "transmit/AutoItemEditing.h"

#include <QDialog>

class AutoEntryBox;
class CHighlightListCtrl;
class MessageSink;
class QPushButton;
struct DocumentContents;
struct ProgramState;

class CAutoMessageDlg : public QDialog {
    Q_OBJECT

public:
    // Works on `document`, with the frame format of the adapter settings;
    // Hex and Decimal write `hexFormat`, a Download sets `autoDataLoaded`.
    CAutoMessageDlg(DocumentContents& document, ProgramState& state, MessageSink& messages,
                    QWidget* parent = nullptr);

    AutoEntryBox* entryBox() const { return entryBox_; }
    CHighlightListCtrl* itemList() const { return list_; }

private:
    void fillList();
    void addItem();
    void editItem();
    void deleteItem();
    void clickList(int row, bool onCheckBox);
    void download();
    void showSelectionButtons();

    DocumentContents& document_;
    ProgramState& state_;
    MessageSink& messages_;
    AutoListSelection selection_;
    AutoEntryBox* entryBox_;
    CHighlightListCtrl* list_;
    QPushButton* edit_;
    QPushButton* delete_;
};
