// TableText.h: a string-table text as the widgets need it.
#pragma once

#include "core/StringTable.h"

#include <QString>

inline QString tableText(int number) {
    const std::string_view text = strings::text(number);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
