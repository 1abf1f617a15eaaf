#include "app/Languages.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr Language kLanguages[] = {
    {0x0004, "CHS", "Chinese", "zh"},
    {0x0404, "CHT", "Chinese", "zh_TW"},
    {0x0804, "CHS", "Chinese", "zh_CN"},
    {0x0005, "CSY", "Czech", "cs"},
    {0x0405, "CSY", "Czech", "cs_CZ"},
    {0x0006, "DAN", "Danish", "da"},
    {0x0406, "DAN", "Danish", "da_DK"},
    {0x0007, "DEU", "German", "de"},
    {0x0407, "DEU", "German", "de_DE"},
    {0x0807, "DES", "German", "de_CH"},
    {0x0C07, "DEA", "German", "de_AT"},
    {0x1007, "DEL", "German", "de_LU"},
    {0x1407, "DEC", "German", "de_LI"},
    {0x0009, "ENU", "English", "en"},
    {0x0409, "ENU", "English", "en_US"},
    {0x0809, "ENG", "English", "en_GB"},
    {0x0C09, "ENA", "English", "en_AU"},
    {0x1009, "ENC", "English", "en_CA"},
    {0x000A, "ESN", "Spanish", "es"},
    {0x080A, "ESM", "Spanish", "es_MX"},
    {0x0C0A, "ESN", "Spanish", "es_ES"},
    {0x000B, "FIN", "Finnish", "fi"},
    {0x040B, "FIN", "Finnish", "fi_FI"},
    {0x000C, "FRA", "French", "fr"},
    {0x040C, "FRA", "French", "fr_FR"},
    {0x080C, "FRB", "French", "fr_BE"},
    {0x0C0C, "FRC", "French", "fr_CA"},
    {0x100C, "FRS", "French", "fr_CH"},
    {0x000E, "HUN", "Hungarian", "hu"},
    {0x040E, "HUN", "Hungarian", "hu_HU"},
    {0x0010, "ITA", "Italian", "it"},
    {0x0410, "ITA", "Italian", "it_IT"},
    {0x0810, "ITS", "Italian", "it_CH"},
    {0x0011, "JPN", "Japanese", "ja"},
    {0x0411, "JPN", "Japanese", "ja_JP"},
    {0x0012, "KOR", "Korean", "ko"},
    {0x0412, "KOR", "Korean", "ko_KR"},
    {0x0013, "NLD", "Dutch", "nl"},
    {0x0413, "NLD", "Dutch", "nl_NL"},
    {0x0813, "NLB", "Dutch", "nl_BE"},
    {0x0014, "NOR", "Norwegian", "nb"},
    {0x0414, "NOR", "Norwegian", "nb_NO"},
    {0x0015, "PLK", "Polish", "pl"},
    {0x0415, "PLK", "Polish", "pl_PL"},
    {0x0016, "PTB", "Portuguese", "pt"},
    {0x0416, "PTB", "Portuguese", "pt_BR"},
    {0x0816, "PTG", "Portuguese", "pt_PT"},
    {0x0019, "RUS", "Russian", "ru"},
    {0x0419, "RUS", "Russian", "ru_RU"},
    {0x001D, "SVE", "Swedish", "sv"},
    {0x041D, "SVE", "Swedish", "sv_SE"},
    {0x001F, "TRK", "Turkish", "tr"},
    {0x041F, "TRK", "Turkish", "tr_TR"},
};

// "de-AT" and "de_AT.UTF-8" both name de_AT.
std::string localeKey(std::string_view locale) {
    std::string key(locale.substr(0, locale.find_first_of(".@")));
    std::replace(key.begin(), key.end(), '-', '_');
    return key;
}

}  // namespace

const Language* findLanguage(LanguageId id) {
    const auto it = std::find_if(std::begin(kLanguages), std::end(kLanguages),
                                 [id](const Language& language) { return language.id == id; });
    return it == std::end(kLanguages) ? nullptr : it;
}

LanguageId languageOfLocale(std::string_view locale) {
    const std::string key = localeKey(locale);
    const std::string_view bare = std::string_view(key).substr(0, key.find('_'));
    LanguageId neutral = 0;
    for (const Language& language : kLanguages) {
        if (language.locale == key)
            return language.id;
        if (language.locale == bare)
            neutral = language.id;
    }
    return neutral;
}

std::string languageDisplayName(LanguageId id) {
    const Language* language = findLanguage(id);
    if (!language)
        return std::to_string(id) + " - ???";
    return std::string(language->englishName) + " (" + std::string(language->abbreviation) + ")";
}

std::string languageModulePath(std::string_view executablePath, std::string_view abbreviation) {
    const std::size_t slash = executablePath.rfind('/');
    const std::size_t dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    const std::string_view stem = hasExtension ? executablePath.substr(0, dot) : executablePath;
    return std::string(stem) + std::string(abbreviation) + ".qm";
}

std::vector<LanguageId> availableLanguages(LanguageId base, std::span<const LanguageId> moduleLanguages,
                                           std::size_t limit) {
    std::vector<LanguageId> available;
    if (base != 0)
        available.push_back(base);
    for (LanguageId language : moduleLanguages) {
        if (language != 0)
            available.push_back(language);
    }
    available.resize(std::min(available.size(), limit));
    return available;
}
