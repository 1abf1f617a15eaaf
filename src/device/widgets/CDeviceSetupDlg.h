// CDeviceSetupDlg.h: the Device Setup dialog. It shows whether the adapter
// answers, presets its lists from Configure.ini, and on OK applies work mode,
// baud rate and frame type to the adapter, DeviceSettings and the file.
#pragma once

#include "device/ConfigureIni.h"

#include <QDialog>

#include <string>

class MessageSink;
class QComboBox;
class QTimer;
struct DeviceSettings;

class CDeviceSetupDlg : public QDialog {
    Q_OBJECT

public:
    // `autoDataLoaded` is the main window's flag for downloaded automation
    // frames, which OK clears. `settingsPath` is Configure.ini beside the
    // executable; where the settings are read and written is decided as the
    // dialog opens (settingsFiles).
    CDeviceSetupDlg(DeviceSettings& device, bool& autoDataLoaded, const std::string& settingsPath,
                    MessageSink& messages, QWidget* parent = nullptr);

public slots:
    // Asks the adapter whether it answers (KESH_INIT); runs every second.
    void pollAdapter();

private slots:
    void applySettings();

private:
    void presetLists();

    DeviceSettings& device_;
    bool& autoDataLoaded_;
    const SettingsFiles settingsFiles_;
    MessageSink& messages_;
    StoredDeviceSetup stored_;  // as read at opening

    QComboBox* usbDevice_;
    QComboBox* workMode_;
    QComboBox* baudRate_;
    QComboBox* frameType_;
    QTimer* adapterPoll_;
};
