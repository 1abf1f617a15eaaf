#include "views/widgets/FontAndColourDialog.h"

#include "core/StringTable.h"
#include "views/widgets/TableText.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

FontAndColourDialog::FontAndColourDialog(const QFont& font, const QColor& textColour, QWidget* parent)
    : QDialog(parent), fonts_(new QFontDialog(font, this)), colourButton_(new QPushButton(this)) {
    setWindowTitle(tableText(strings::kFontDialogTitle));
    // Embedded: the font dialog's own buttons would close only itself.
    fonts_->setOptions(QFontDialog::NoButtons);
    fonts_->setWindowFlags(Qt::Widget);

    auto* colourLabel = new QLabel(tableText(strings::kTextColour), this);
    colourLabel->setBuddy(colourButton_);
    colourButton_->setAccessibleName(colourLabel->text().remove(QLatin1Char('&')));
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
