#include "transmit/widgets/CAutoMessageDlg.h"

#include "core/DocumentContents.h"
#include "core/StringTable.h"
#include "dialogs/CHighlightListCtrl.h"
#include "dialogs/TableText.h"
#include "document/ProgramState.h"
#include "filters/FilterFlags.h"
#include "transmit/AutoItemRows.h"
#include "transmit/AutomationCommands.h"
#include "transmit/widgets/AutoEntryBox.h"
#include "transmit/widgets/AutoTimingSpinBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QColor kRowColour(0xFF, 0xFF, 0xFF);
const QColor kPickedRowColour(0xEF, 0xEF, 0xEF);

QPushButton* addButton(QHBoxLayout* row, int text) {
    auto* button = new QPushButton(tableText(text));
    // Enter means Download, whichever button has the focus.
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

// The field's messages at opening are owned by `dialog` already.
AutoTimingSpinBox* addTimingField(QDialog* dialog, QHBoxLayout* row, int label, uint32_t& documentValue,
                                  MessageSink& messages, const char* objectName) {
    auto* field = new AutoTimingSpinBox(documentValue, messages, dialog);
    field->setObjectName(QString::fromLatin1(objectName));
    auto* caption = new QLabel(tableText(label));
    caption->setBuddy(field);
    row->addWidget(caption);
    row->addWidget(field);
    return field;
}


}  // namespace

CAutoMessageDlg::CAutoMessageDlg(DocumentContents& document, ProgramState& state, MessageSink& messages,
                                 QWidget* parent)
    : QDialog(parent),
      document_(document),
      state_(state),
      messages_(messages),
      entryBox_(new AutoEntryBox(state.device, messages)),
      list_(new CHighlightListCtrl) {
    setWindowTitle(tableText(strings::kAutoTitle));

    auto* editing = new QHBoxLayout;
    QPushButton* add = addButton(editing, strings::kAutoAdd);
    edit_ = addButton(editing, strings::kAutoEdit);
    delete_ = addButton(editing, strings::kAutoDelete);
    editing->addStretch();
    showSelectionButtons();

    list_->setObjectName(QStringLiteral("items"));
    list_->setColumns(kAutoListColumns);
    // The Data column shows eight decimal bytes whole.
    list_->fitColumnText(kAutoListColumnCount - 1, QStringLiteral(" 255").repeated(8));
    // The note is the only text the screen shows beside the list.
    auto* note = new QLabel(tableText(strings::kAutoItemLimitNote));
    note->setBuddy(list_);
    list_->setAccessibleName(note->text());

    auto* timing = new QHBoxLayout;
    timing->addWidget(new QLabel(tableText(strings::kAutoParameters)));
    addTimingField(this, timing, strings::kAutoInterval, document_.autoIntervalMs, messages, "interval");
    addTimingField(this, timing, strings::kAutoCycle, document_.autoCycleMs, messages, "cycle");
    timing->addStretch();

    auto* closing = new QHBoxLayout;
    closing->addStretch();
    QPushButton* downloadButton = addButton(closing, strings::kAutoDownload);
    downloadButton->setDefault(true);
    QPushButton* cancel = addButton(closing, strings::kButtonCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entryBox_);
    layout->addLayout(editing);
    layout->addWidget(list_);
    layout->addWidget(note);
    layout->addLayout(timing);
    layout->addLayout(closing);

    connect(entryBox_, &AutoEntryBox::formatChosen, this, [this](NumberFormat format) {
        state_.hexFormat = uint32_t(format);
        fillList();
    });
    connect(add, &QPushButton::clicked, this, &CAutoMessageDlg::addItem);
    connect(edit_, &QPushButton::clicked, this, &CAutoMessageDlg::editItem);
    connect(delete_, &QPushButton::clicked, this, &CAutoMessageDlg::deleteItem);
    connect(list_, &CHighlightListCtrl::rowClicked, this, &CAutoMessageDlg::clickList);
    connect(downloadButton, &QPushButton::clicked, this, &CAutoMessageDlg::download);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    fillList();
}

void CAutoMessageDlg::fillList() {
    const bool hex = entryBox_->numberFormat() == NumberFormat::hex;
    list_->setRowCount(0);
    list_->setRowCount(int(document_.autoItems.size()));
    for (std::size_t i = 0; i < document_.autoItems.size(); ++i) {
        const AutoMessageItem& item = document_.autoItems[i];
        const auto texts = autoItemRowTexts(item, i, hex);
        for (std::size_t column = 0; column < texts.size(); ++column) {
            auto* cell = new QTableWidgetItem(QString::fromStdString(texts[column]));
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column == 0) {
                cell->setFlags(cell->flags() | Qt::ItemIsUserCheckable);
                cell->setCheckState((item.flags & FC_ENABLED) != 0 ? Qt::Checked : Qt::Unchecked);
            }
            list_->setItem(int(i), int(column), cell);
        }
    }
}

void CAutoMessageDlg::addItem() {
    const QWidget* owner = this;
    if (addAutoItem(document_.autoItems, document_.autoStaging, entryBox_->entry(), state_.capture.dataChanged,
                    messages_, owner))
        fillList();
}

void CAutoMessageDlg::editItem() {
    if (!selection_.row)
        return;
    editAutoItem(document_.autoItems, selection_, entryBox_->entry(), state_.capture.dataChanged);
    fillList();
}

void CAutoMessageDlg::deleteItem() {
    if (!selection_.row)
        return;
    deleteAutoItem(document_.autoItems, selection_, state_.capture.dataChanged);
    showSelectionButtons();
    fillList();
}

void CAutoMessageDlg::clickList(int row, bool onCheckBox) {
    const std::optional<std::size_t> hit = row < 0 ? std::nullopt : std::optional<std::size_t>(std::size_t(row));
    AutoEntry shown = entryBox_->entry();
    // Only the bytes the item has entered are written into the fields.
    shown.dataEmpty.fill(true);
    clickAutoList(document_.autoItems, selection_, hit, onCheckBox, shown, state_.capture.dataChanged);
    for (int i = 0; i < list_->rowCount(); ++i)
        list_->setRowColour(i, kRowColour);
    if (selection_.row) {
        const int picked = int(*selection_.row);
        const bool enabled = (document_.autoItems[*selection_.row].flags & FC_ENABLED) != 0;
        list_->item(picked, 0)->setCheckState(enabled ? Qt::Checked : Qt::Unchecked);
        list_->selectRow(picked);
        list_->setRowColour(picked, kPickedRowColour);
        entryBox_->showPickedItem(shown);
        list_->setFocus();
    } else {
        list_->clearSelection();
    }
    showSelectionButtons();
}

void CAutoMessageDlg::download() {
    fillList();
    if (downloadAutoItems(document_, state_.autoDataLoaded, messages_) == DownloadOutcome::closeDialog)
        accept();
}

void CAutoMessageDlg::showSelectionButtons() {
    edit_->setEnabled(selection_.editEnabled);
    delete_->setEnabled(selection_.deleteEnabled);
}
