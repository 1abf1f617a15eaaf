// CNewDocDlg.h: File > New: choose the display mode and the protocol of the
// new document. Only data list documents can be made; the curve stays off.
#pragma once

#include "protocol/Protocol.h"

#include <QDialog>

class MessageSink;
class NewDocHost;
class QButtonGroup;
class QCheckBox;
class QRadioButton;

class CNewDocDlg : public QDialog {
    Q_OBJECT

public:
    CNewDocDlg(NewDocHost& host, MessageSink& messages, QWidget* parent = nullptr);

    // The protocol to open, once the dialog was accepted.
    Protocol protocol() const { return chosenProtocol(); }

    void accept() override;

private:
    Protocol chosenProtocol() const;

    NewDocHost& host_;
    MessageSink& messages_;
    QCheckBox* dataList_;
    QCheckBox* curve_;
    QButtonGroup* protocols_;
};
