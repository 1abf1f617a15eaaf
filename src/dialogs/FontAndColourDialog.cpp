#include "dialogs/FontAndColourDialog.h"

#include "core/StringTable.h"
#include "dialogs/TableText.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Qt's font dialog labels each column of its grid (font, style, size) once,
// above a text field and a list, and names at most one of the two by it; a
// screen reader would hear nothing for the others. Both get the column's label.
void nameFontColumns(QFontDialog* fonts) {
    auto* grid = fonts->findChild<QGridLayout*>();
    if (!grid)
        return;
    for (int column = 0; column < grid->columnCount(); ++column) {
        QLayoutItem* caption = grid->itemAtPosition(0, column);
        auto* label = caption ? qobject_cast<QLabel*>(caption->widget()) : nullptr;
        if (!label)
            continue;
        for (int row = 1; row <= 2; ++row) {
            QLayoutItem* item = grid->itemAtPosition(row, column);
            if (item && item->widget() && item->widget()->accessibleName().isEmpty())
                item->widget()->setAccessibleName(withoutMnemonic(label->text()));
        }
    }
}

}  // namespace

FontAndColourDialog::FontAndColourDialog(const QFont& font, const QColor& textColour, QWidget* parent)
    : QDialog(parent), fonts_(new QFontDialog(font, this)), colourButton_(new QPushButton(this)) {
    setWindowTitle(tableText(strings::kFontDialogTitle));
    // Embedded: the font dialog's own buttons would close only itself.
    fonts_->setOptions(QFontDialog::NoButtons);
    fonts_->setWindowFlags(Qt::Widget);
    nameFontColumns(fonts_);

    auto* colourLabel = new QLabel(tableText(strings::kTextColour), this);
    colourLabel->setBuddy(colourButton_);
    colourButton_->setAccessibleName(withoutMnemonic(colourLabel->text()));
    connect(colourButton_, &QPushButton::clicked, this, &FontAndColourDialog::chooseColour);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(colourButton_);
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    setColour(textColour);
}

QFont FontAndColourDialog::selectedFont() const { return fonts_->currentFont(); }

void FontAndColourDialog::setColour(const QColor& colour) {
    colour_ = colour;
    QPixmap swatch(32, 14);
    swatch.fill(colour);
    colourButton_->setIcon(QIcon(swatch));
    colourButton_->setText(colour.name());
}

void FontAndColourDialog::chooseColour() {
    const QColor chosen = QColorDialog::getColor(colour_, this);
    if (chosen.isValid())
        setColour(chosen);
}
