// TableText.h: a string-table text as the widgets need it, and a caption as
// it reads without its keyboard mnemonic.
#pragma once

#include "core/StringTable.h"

#include <QString>

inline QString tableText(int number) {
    const std::string_view text = strings::text(number);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "Save &As..." reads "Save As..."; "&&" stands for one "&".
inline QString withoutMnemonic(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption;
}
