#include "device/widgets/CDeviceInfoDlg.h"

#include "core/StringTable.h"
#include "device/DeviceInfo.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/TableText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

void addField(QGridLayout* grid, int row, int labelNumber, const std::string& value, const char* objectName) {
    auto* label = new QLabel(tableText(labelNumber));
    auto* field = new QLineEdit(QString::fromStdString(value));
    field->setObjectName(QString::fromLatin1(objectName));
    // Shown, not edited: the values are the adapter's.
    field->setReadOnly(true);
    field->setEnabled(false);
    // Names the field for a screen reader too.
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

}  // namespace

CDeviceInfoDlg::CDeviceInfoDlg(MessageSink& messages, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tableText(strings::kDeviceInfoTitle));
    const DeviceInfoTexts info = readDeviceInfo(messages);

    auto* group = new QGroupBox(tableText(strings::kDeviceInfoGroup));
    auto* grid = new QGridLayout(group);
    addField(grid, 0, strings::kDeviceInfoStatus, info.status, "status");
    addField(grid, 1, strings::kDeviceInfoBaudRate, info.baudRate, "baudRate");
    addField(grid, 2, strings::kDeviceInfoFirmware, info.firmware, "firmware");

    QDialogButtonBox* buttons = makeDialogButtons(DialogButtons::ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    // Three short values: nothing gains from a wider window.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
