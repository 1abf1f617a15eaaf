#include "app/widgets/CNewDocDlg.h"

#include "app/NewDocRules.h"
#include "core/StringTable.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/TableText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CNewDocDlg::CNewDocDlg(NewDocHost& host, MessageSink& messages, QWidget* parent)
    : QDialog(parent),
      host_(host),
      messages_(messages),
      dataList_(new QCheckBox(tableText(strings::kNewDataList))),
      curve_(new QCheckBox(tableText(strings::kNewCurve))),
      protocols_(new QButtonGroup(this)) {
    setWindowTitle(tableText(strings::kNewTitle));
    auto* group = new QGroupBox(tableText(strings::kNewDisplayMode));
    auto* groupLayout = new QVBoxLayout(group);
    dataList_->setObjectName(QStringLiteral("dataList"));
    curve_->setObjectName(QStringLiteral("curve"));
    curve_->setEnabled(false);
    groupLayout->addWidget(dataList_);
    const struct {
        int text;
        Protocol protocol;
        const char* name;
    } choices[] = {{strings::kProtocolCan, Protocol::can, "can"},
                   {strings::kProtocolDeviceNet, Protocol::deviceNet, "deviceNet"},
                   {strings::kProtocolCanopen, Protocol::canopen, "canopen"}};
    for (const auto& choice : choices) {
        auto* radio = new QRadioButton(tableText(choice.text));
        radio->setObjectName(QString::fromLatin1(choice.name));
        radio->setEnabled(areProtocolChoicesEnabled(false));
        protocols_->addButton(radio, int(choice.protocol));
        auto* indented = new QHBoxLayout;
        indented->addSpacing(20);
        indented->addWidget(radio);
        groupLayout->addLayout(indented);
    }
    groupLayout->addWidget(curve_);

    connect(dataList_, &QCheckBox::toggled, this, [this](bool checked) {
        for (QAbstractButton* radio : protocols_->buttons())
            radio->setEnabled(areProtocolChoicesEnabled(checked));
    });

    QDialogButtonBox* buttons = makeDialogButtons(DialogButtons::okCancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNewDocDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNewDocDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

Protocol CNewDocDlg::chosenProtocol() const {
    const int checked = protocols_->checkedId();
    return checked < 0 ? Protocol::none : Protocol(checked);
}

void CNewDocDlg::accept() {
    const NewDocChoice choice{dataList_->isChecked(), chosenProtocol()};
    if (confirmNewDocument(choice, host_, messages_) == NewDocOutcome::openDataList)
        QDialog::accept();
}
