#include "app/widgets/FileNameChooser.h"

#include <QFileDialog>

QString FileDialogChooser::openFileName(QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
}

QString FileDialogChooser::saveFileName(QWidget* parent, const QString& suggestedName, const QString& filter,
                                        const QString& defaultSuffix) {
    QFileDialog dialog(parent, QString(), suggestedName, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}
