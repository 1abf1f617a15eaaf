// AppEnvironment.h: what the main window learns at start-up about where it
// runs: the executable's folder, the settings file and the adapter in use.
#pragma once

#include <QString>

#include <string>

struct AppEnvironment {
    QString version;
    QString executableDir;         // holds the manual
    std::string configureIniPath;  // the adapter settings file
    QString adapterDescription;    // the backend selector in use
};
