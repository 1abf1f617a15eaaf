#include "filters/widgets/CAdvancedIdDlg.h"

#include "core/StringTable.h"
#include "dialogs/TableText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kBitsPerColumn = 10;

}  // namespace

CAdvancedIdDlg::CAdvancedIdDlg(AdvancedIdentifierBits& bits, int32_t frameType, QWidget* parent)
    : QDialog(parent), bits_(bits), shownBits_(shownAdvancedBits(frameType)) {
    setWindowTitle(tableText(strings::kAdvancedIdTitle));
    auto* grid = new QGridLayout;
    const int columns = (shownBits_ + kBitsPerColumn - 1) / kBitsPerColumn;
    for (int column = 0; column < columns; ++column) {
        grid->addWidget(new QLabel(tableText(strings::kAdvancedIdBit)), 0, 2 * column);
        grid->addWidget(new QLabel(tableText(strings::kAdvancedIdValue)), 0, 2 * column + 1);
    }
    for (int bit = 0; bit < shownBits_; ++bit) {
        auto* button = new QPushButton(QString::number(bit + 1));
        button->setAutoDefault(false);
        auto* field = new QLineEdit(QString(QLatin1Char(bits.stateText(bit))));
        field->setReadOnly(true);
        field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("XXX")) + 12);
        // Heard as "Value 5", beside the button "5".
        field->setAccessibleName(tableText(strings::kAdvancedIdValue) + QLatin1Char(' ') + button->text());
        const int row = 1 + bit % kBitsPerColumn;
        const int column = 2 * (bit / kBitsPerColumn);
        grid->addWidget(button, row, column);
        grid->addWidget(field, row, column + 1);
        buttons_.push_back(button);
        fields_.push_back(field);
        connect(button, &QPushButton::clicked, this, [this, bit, field] {
            bits_.step(bit);
            field->setText(QString(QLatin1Char(bits_.stateText(bit))));
        });
    }

    auto* ok = new QPushButton(tableText(strings::kButtonOk));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tableText(strings::kButtonCancel));
    cancel->setAutoDefault(false);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(ok);
    closing->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(closing);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}
