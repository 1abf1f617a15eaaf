// FileNameChooser.h: asks the user for a file to open or to save to. The
// main window asks through this interface, so that tests answer instead of
// the file dialogs.
#pragma once

#include <QString>

class QWidget;

class FileNameChooser {
public:
    virtual ~FileNameChooser() = default;
    // Empty when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& filter) = 0;
    // Asks before overwriting; `defaultSuffix` is added to a name without one.
    virtual QString saveFileName(QWidget* parent, const QString& suggestedName, const QString& filter,
                                 const QString& defaultSuffix) = 0;
};

// The desktop's file dialogs.
class FileDialogChooser : public FileNameChooser {
public:
    QString openFileName(QWidget* parent, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& suggestedName, const QString& filter,
                         const QString& defaultSuffix) override;
};
