#include "dialogs/DialogButtons.h"

#include "core/StringTable.h"
#include "dialogs/TableText.h"

#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* makeDialogButtons(DialogButtons which) {
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(tableText(strings::kButtonOk), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    if (which == DialogButtons::okCancel)
        buttons->addButton(tableText(strings::kButtonCancel), QDialogButtonBox::RejectRole);
    return buttons;
}
