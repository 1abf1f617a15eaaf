#include "app/LanguageChoice.h"

#include <utility>

LanguageChoice::LanguageChoice(std::string executablePath, LanguageModules& modules, LanguageId base)
    : executablePath_(std::move(executablePath)), modules_(modules), base_(base), current_(base) {}

bool LanguageChoice::loadLanguage(LanguageId language) {
    if (language == base_) {
        modules_.releaseModule();
        return true;
    }
    const Language* known = findLanguage(language);
    return known && modules_.loadModule(languageModulePath(executablePath_, known->abbreviation));
}

bool LanguageChoice::tryVariant(LanguageId language) {
    current_ = language;
    return loadLanguage(language);
}

bool LanguageChoice::tryLanguage(LanguageId language) {
    if (language == 0)
        return false;
    if (tryVariant(language))
        return true;
    const uint16_t primary = primaryLanguageOf(language);
    if (sublanguageOf(language) != kNeutralSublanguage && tryVariant(makeLanguageId(primary, kNeutralSublanguage)))
        return true;
    if (sublanguageOf(language) == kDefaultSublanguage)
        return false;
    return tryVariant(makeLanguageId(primary, kDefaultSublanguage));
}

LanguageId LanguageChoice::chooseAtStartup(std::span<const LanguageId> candidates) {
    for (LanguageId candidate : candidates) {
        if (tryLanguage(candidate))
            return current_;
    }
    tryLanguage(base_);
    return current_;
}
