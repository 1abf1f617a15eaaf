// CAboutDlg.h: Help > About: the program's version and the adapter backend
// it talks to.
#pragma once

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const QString& version, const QString& adapterDescription, QWidget* parent = nullptr);
};
