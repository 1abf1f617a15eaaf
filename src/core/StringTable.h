// StringTable.h: looks up the user-visible texts by number, so that every
// window, message and output takes its words from one table.
#pragma once

#include <string_view>

namespace strings {

constexpr int kAppTitle = 128;
constexpr int kDeviceError = 5000;
constexpr int kCannotRunDevice = 5001;
constexpr int kCopyRows = 9100;
constexpr int kSelectAllRows = 9101;
constexpr int kRowName = 9102;
constexpr int kFontDialogTitle = 9103;
constexpr int kTextColour = 9104;
constexpr int kStatusFrames = 9105;
constexpr int kMenuDataList = 9200;
constexpr int kMenuCan = 9201;
constexpr int kMenuDeviceNet = 9202;
constexpr int kMenuCanopen = 9203;
constexpr int kMenuFont = 9204;
constexpr int kMenuGridLines = 9205;
constexpr int kMenuFunctions = 9206;
constexpr int kMenuCapture = 9207;
constexpr int kMenuStop = 9208;
constexpr int kMenuClearAll = 9209;

// The text of `number`. Asking for a number the table lacks is a
// programming error: it asserts, and answers an empty text in release builds.
std::string_view text(int number);

// Whether the table has an entry for `number`.
bool contains(int number);

}  // namespace strings
