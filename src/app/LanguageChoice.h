// LanguageChoice.h: which language the program speaks. Loading a language
// makes its module the source of every text (or goes back to the program's
// own texts for the base language); trying a language falls back to its
// neutral and then its default sublanguage; at start-up the candidates are
// tried in turn until one loads. A missing or unreadable module just fails
// its try.
#pragma once

#include "app/Languages.h"

#include <span>
#include <string>

// Where the texts come from; the windows supply Qt's translation files.
class LanguageModules {
public:
    virtual ~LanguageModules() = default;
    // Makes the module at `path` the source of every text. False, with the
    // texts in use kept, when it is missing or cannot be read.
    virtual bool loadModule(const std::string& path) = 0;
    // Goes back to the program's own texts.
    virtual void releaseModule() = 0;
};

class LanguageChoice {
public:
    LanguageChoice(std::string executablePath, LanguageModules& modules, LanguageId base = kBaseLanguage);

    bool loadLanguage(LanguageId language);
    // `language`, else its neutral, else its default sublanguage; the
    // current language is each variant as it is tried.
    bool tryLanguage(LanguageId language);
    // The first of `candidates` that loads, else the base language.
    LanguageId chooseAtStartup(std::span<const LanguageId> candidates);

    LanguageId current() const { return current_; }
    LanguageId base() const { return base_; }

private:
    bool tryVariant(LanguageId language);

    std::string executablePath_;
    LanguageModules& modules_;
    LanguageId base_;
    LanguageId current_;
};
