// PrintSetupDialog.h: File > Print Setup: the print dialog used to choose
// the printer and its page settings, without printing. What it chooses stays
// in the main window's printer, which Print and Print Preview then use.
#pragma once

#include <QPrintDialog>

class PrintSetupDialog : public QPrintDialog {
    Q_OBJECT

public:
    explicit PrintSetupDialog(QPrinter* printer, QWidget* parent = nullptr);
};
