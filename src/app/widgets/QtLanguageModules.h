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

// Reads one text from the module a language would load, without making
// that module the source of texts: what the language would say while the
// program keeps its own. The base language (a release) answers the
// program's own text, as does a module that lacks it.
class LanguageTextProbe : public LanguageModules {
public:
    explicit LanguageTextProbe(int number) : number_(number) {}
    bool loadModule(const std::string& path) override;
    void releaseModule() override;
    const std::string& text() const { return text_; }

private:
    int number_;
    std::string text_;
};

// The languages the module files of `executablePath` declare, the files
// beside it first, then those in the data folders, each by name; a file the
// data folders hold again beside the executable counts once. 0 for a file
// that cannot be read or declares no known language.
std::vector<LanguageId> moduleLanguages(const std::string& executablePath);

// The module file itself, or the one of that name in the data folders;
// empty when there is none.
QString findLanguageModule(const std::string& path);

// The candidates of the start-up choice in their order: the stored
// "LanguageId", the user's interface languages, the system's language.
std::vector<LanguageId> startupLanguageCandidates(const QSettings& settings);
