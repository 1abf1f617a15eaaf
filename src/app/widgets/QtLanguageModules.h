// QtLanguageModules.h: language modules as Qt translation files (.qm, made
// by lrelease -idbased from the .ts sources): each message's id is a string
// number. A module beside the executable comes first; an installed program
// finds it in its data folder (share/vorelin) too.
#pragma once

#include "app/LanguageChoice.h"

#include <QString>
#include <QTranslator>

#include <memory>
#include <vector>

class QSettings;

class QtLanguageModules : public LanguageModules {
public:
    bool loadModule(const std::string& path) override;
    void releaseModule() override;

private:
    void releaseQtTexts();

    // Qt's own texts (file and print dialogs, standard buttons) in the
    // module's language, where Qt ships them.
    std::unique_ptr<QTranslator> qtTexts_;
};

// The module file itself, or the one of that name in the data folders;
// empty when there is none.
QString findLanguageModule(const std::string& path);

// The candidates of the start-up choice in their order: the stored
// "LanguageId", the user's interface languages, the system's language.
std::vector<LanguageId> startupLanguageCandidates(const QSettings& settings);
