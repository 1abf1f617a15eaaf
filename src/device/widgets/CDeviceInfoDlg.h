// CDeviceInfoDlg.h: the Device Information dialog: the adapter's state, baud
// rate and firmware as the adapter itself reports them when the dialog opens.
// It changes nothing.
#pragma once

#include <QDialog>

class MessageSink;

class CDeviceInfoDlg : public QDialog {
    Q_OBJECT

public:
    // Asks the adapter before the dialog is shown, so a failure is reported
    // to `messages` first and the dialog then opens with empty fields.
    explicit CDeviceInfoDlg(MessageSink& messages, QWidget* parent = nullptr);
};
