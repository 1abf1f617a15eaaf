// ScopedTranslations.h: a language module's texts by number for one test,
// the program's own texts again afterwards, however the test ends.
#pragma once

#include "core/StringTable.h"

#include <string>
#include <utility>
#include <vector>

class ScopedTranslations {
public:
    explicit ScopedTranslations(std::vector<std::pair<int, std::string>> texts) {
        strings::useTranslations(std::move(texts));
    }
    ~ScopedTranslations() { strings::useTranslations({}); }
    ScopedTranslations(const ScopedTranslations&) = delete;
    ScopedTranslations& operator=(const ScopedTranslations&) = delete;
};
