// FrameSyntax.h: reads one frame written in the compact syntax of can-utils'
// cansend, so that scripts and tests can name frames the way CAN tools do.
#pragma once

#include "base/FrameRecord.h"
#include "base/Result.h"

#include <string_view>

// <id>#<data> or <id>#R[len]. The identifier has exactly 3 hex digits
// (standard, up to 7FF) or 8 (extended, up to 1FFFFFFF); data is 0 to 8 hex
// pairs, optionally with one '.' between two bytes; a remote frame may give
// its length as one digit 0 to 8. Hex digits and R in either case.
// Examples: 123#11223344, 123#11.22.33, 12345678#AA, 123#R, 123#R4.
// An error names the text and the fault: "'12#11': identifier needs 3 or 8 hex digits".
Result<CanFrame> parseFrameSyntax(std::string_view text);
