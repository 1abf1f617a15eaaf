// Languages.h: the languages a user interface can speak, by the identifiers
// the per-user settings store ("LanguageId"): the primary language in bits
// 0 to 9, the sublanguage in bits 10 to 15 (0 neutral, 1 the default one).
// One table ties each to its three-letter abbreviation, which names its
// module file, its English name and the locale a translation file declares.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using LanguageId = uint16_t;

constexpr uint16_t kNeutralSublanguage = 0;
constexpr uint16_t kDefaultSublanguage = 1;

constexpr uint16_t primaryLanguageOf(LanguageId id) { return id & 0x3FF; }
constexpr uint16_t sublanguageOf(LanguageId id) { return uint16_t(id >> 10); }
constexpr LanguageId makeLanguageId(uint16_t primary, uint16_t sublanguage) {
    return LanguageId((sublanguage << 10) | (primary & 0x3FF));
}

// The language of the program's own texts: English (United States).
constexpr LanguageId kBaseLanguage = 0x0409;

struct Language {
    LanguageId id;
    std::string_view abbreviation;  // "DEU"
    std::string_view englishName;   // "German"
    std::string_view locale;        // "de_DE"; a neutral language has the bare "de"
};

// Null for an identifier the table does not know.
const Language* findLanguage(LanguageId id);

// The language of a locale name such as "de_DE", "de-AT" or "de"; a region
// the table does not know gives the neutral language; 0 when even the
// language is unknown.
LanguageId languageOfLocale(std::string_view locale);

// "German (DEU)"; "%u - ???" with the number for an unknown identifier.
std::string languageDisplayName(LanguageId id);

// The module file of a language: the executable's path without its
// extension, the abbreviation, ".qm" ("/opt/vorelin/vorelinDEU.qm").
std::string languageModulePath(std::string_view executablePath, std::string_view abbreviation);

// The entries of the Language menu: the base language first when it is
// known (not 0), then the language each module found declares, in the order
// found, leaving out a module that declares none; at most `limit`.
std::vector<LanguageId> availableLanguages(LanguageId base, std::span<const LanguageId> moduleLanguages,
                                           std::size_t limit);
