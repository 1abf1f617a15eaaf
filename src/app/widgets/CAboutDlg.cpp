#include "app/widgets/CAboutDlg.h"

#include "app/widgets/ToolbarIcon.h"
#include "core/StringTable.h"
#include "dialogs/DialogButtons.h"
#include "dialogs/TableText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

CAboutDlg::CAboutDlg(const QString& version, const QString& adapterDescription, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tableText(strings::kAboutTitle));
    auto* icon = new QLabel;
    icon->setPixmap(applicationIcon().pixmap(QSize(48, 48)));
    icon->setAlignment(Qt::AlignTop);
    auto* versionLine = new QLabel(tableText(strings::kAboutVersion).arg(version));
    QFont bold = versionLine->font();
    bold.setBold(true);
    versionLine->setFont(bold);
    versionLine->setObjectName(QStringLiteral("version"));
    auto* adapterLine = new QLabel(tableText(strings::kAboutAdapter).arg(adapterDescription));
    adapterLine->setObjectName(QStringLiteral("adapter"));
    adapterLine->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QDialogButtonBox* buttons = makeDialogButtons(DialogButtons::ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAboutDlg::accept);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 4, 1);
    layout->addWidget(versionLine, 0, 1);
    layout->addWidget(new QLabel(tableText(strings::kAboutPurpose)), 1, 1);
    layout->addWidget(adapterLine, 2, 1);
    layout->addWidget(new QLabel(tableText(strings::kAboutWarranty)), 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
