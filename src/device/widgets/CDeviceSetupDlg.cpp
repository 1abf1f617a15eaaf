#include "device/widgets/CDeviceSetupDlg.h"

#include "core/MessageSink.h"
#include "core/StringTable.h"
#include "device/AdapterDeviceList.h"
#include "device/DeviceSettings.h"
#include "device/DeviceSetupRules.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/TableText.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kAdapterPollMs = 1000;

QComboBox* addList(QGridLayout* grid, int labelNumber, const char* objectName) {
    const int row = grid->rowCount();
    auto* label = new QLabel(tableText(labelNumber));
    auto* list = new QComboBox;
    list->setObjectName(QString::fromLatin1(objectName));
    list->setEditable(false);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // Names the list for a screen reader too.
    label->setBuddy(list);
    grid->addWidget(label, row, 0);
    grid->addWidget(list, row, 1);
    return list;
}

}  // namespace

CDeviceSetupDlg::CDeviceSetupDlg(DeviceSettings& device, bool& autoDataLoaded, const std::string& settingsPath,
                                 MessageSink& messages, QWidget* parent)
    : QDialog(parent),
      device_(device),
      autoDataLoaded_(autoDataLoaded),
      settingsFiles_(settingsFiles(settingsPath)),
      messages_(messages),
      adapterPoll_(new QTimer(this)) {
    setWindowTitle(tableText(strings::kSetupTitle));

    auto* group = new QGroupBox(tableText(strings::kSetupGroup));
    auto* grid = new QGridLayout(group);
    usbDevice_ = addList(grid, strings::kSetupUsbDevice, "usbDevice");
    workMode_ = addList(grid, strings::kSetupWorkMode, "workMode");
    baudRate_ = addList(grid, strings::kSetupBaudRate, "baudRate");
    frameType_ = addList(grid, strings::kSetupFrameType, "frameType");
    workMode_->addItems({tableText(strings::kWorkModeAck), tableText(strings::kWorkModeNonAck)});
    frameType_->addItems({tableText(strings::kStandardFrames), tableText(strings::kExtendedFrames)});

    QDialogButtonBox* buttons = makeDialogButtons(DialogButtons::okCancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDeviceSetupDlg::applySettings);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    connect(adapterPoll_, &QTimer::timeout, this, &CDeviceSetupDlg::pollAdapter);
    adapterPoll_->start(kAdapterPollMs);
    stored_ = readDeviceSetup(settingsFiles_.readPath);
    presetLists();
}

void CDeviceSetupDlg::presetLists() {
    const SetupListsPreset preset = presetSetupLists(stored_);
    workMode_->setCurrentIndex(preset.workModeIndex.value_or(-1));
    for (const std::string& entry : preset.baudRateEntries)
        baudRate_->addItem(QString::fromStdString(entry));
    baudRate_->setCurrentIndex(preset.baudRateIndex);
    frameType_->setCurrentIndex(preset.frameTypeIndex.value_or(-1));
}

void CDeviceSetupDlg::pollAdapter() {
    const bool answers = KESH_INIT() != 0;
    AdapterDeviceList shown;
    for (int i = 0; i < usbDevice_->count(); ++i)
        shown.entries.push_back(usbDevice_->itemText(i).toStdString());
    shown.selected = usbDevice_->currentIndex();
    const AdapterDeviceList polled = polledDeviceList(shown, answers, vorelin::driver::currentBackend()->deviceChoices(),
                                                      std::string(strings::text(strings::kAdapterModel)));
    if (polled == shown)
        return;
    usbDevice_->clear();
    for (const std::string& entry : polled.entries)
        usbDevice_->addItem(QString::fromStdString(entry));
    usbDevice_->setCurrentIndex(polled.selected);
}

void CDeviceSetupDlg::applySettings() {
    const SetupSelection selection{workMode_->currentIndex(), baudRate_->currentIndex(),
                                   baudRate_->currentText().toStdString(), frameType_->currentIndex()};
    const auto setKesh = [](const DeviceSettings& settings) -> Result<std::monostate> {
        if (SetKESH(0, uint32_t(settings.baudRate), uint32_t(settings.workMode), uint32_t(settings.frameType)) != 0)
            return std::monostate{};
        return makeError(vorelin::driver::currentBackend()->failureReason());
    };
    const QWidget* owner = this;
    const auto switched = switchToChosenDevice(vorelin::driver::currentBackend()->deviceChoices(),
                                               usbDevice_->currentText().toStdString());
    if (!switched) {
        messages_.show(setupRefusedMessage(owner, switched.error().text));
        return;
    }
    if (applyDeviceSetup(chosenSettings(selection, stored_), device_, autoDataLoaded_, setKesh, settingsFiles_,
                         messages_, owner))
        accept();
}
