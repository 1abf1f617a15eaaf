// StringTable.h: looks up the user-visible texts by number, so that every
// window, message and output takes its words from one table.
#pragma once

#include <string_view>

namespace strings {

constexpr int kAppTitle = 128;
constexpr int kDeviceError = 5000;
constexpr int kCannotRunDevice = 5001;

// The text of `number`. Asking for a number the table lacks is a
// programming error: it asserts, and answers an empty text in release builds.
std::string_view text(int number);

// Whether the table has an entry for `number`.
bool contains(int number);

}  // namespace strings
