#include "app/widgets/PrintSetupDialog.h"

#include "core/StringTable.h"
#include "dialogs/TableText.h"

#include <QDialogButtonBox>
#include <QPushButton>

PrintSetupDialog::PrintSetupDialog(QPrinter* printer, QWidget* parent) : QPrintDialog(printer, parent) {
    setWindowTitle(tableText(strings::kPrintSetupTitle));
    // The pages to print are chosen when printing, from the run's page count.
    setOption(QAbstractPrintDialog::PrintPageRange, false);
    setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    // Accepting only keeps the choice: its button must not read "Print".
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
        if (QPushButton* accept = buttons->button(QDialogButtonBox::Ok))
            accept->setText(tableText(strings::kButtonOk));
    }
}
