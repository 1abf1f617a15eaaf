// AppEnvironment.h: what the main window learns at start-up about where it
// runs: the executable and its folder, the settings files, the adapter and
// the language in use.
#pragma once

#include "app/Languages.h"

#include <QString>

#include <string>

struct AppEnvironment {
    QString version;
    QString executableDir;         // holds the manual
    std::string configureIniPath;  // the adapter settings file
    QString adapterDescription;    // the backend selector in use
    std::string executablePath;    // names the language modules
    QString userSettingsFile;      // the per-user settings, which keep "LanguageId"
    LanguageId language = kBaseLanguage;  // chosen at start-up
};
