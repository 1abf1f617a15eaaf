// FontAndColourDialog.h: the list's Font dialog: a font with its effects and
// the colour its text is drawn in, chosen together.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class QPushButton;

class FontAndColourDialog : public QDialog {
    Q_OBJECT

public:
    FontAndColourDialog(const QFont& font, const QColor& textColour, QWidget* parent = nullptr);

    QFont selectedFont() const;
    QColor selectedColour() const { return colour_; }
    void setColour(const QColor& colour);

private:
    void chooseColour();

    QFontDialog* fonts_;
    QPushButton* colourButton_;
    QColor colour_;
};
