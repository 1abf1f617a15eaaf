// Errors.h: a failed result's error as one comparable value, so that a test
// pins the message number and the text in one line, and a result that did
// not fail shows as such.
#pragma once

#include "base/Result.h"

#include <ostream>

inline bool operator==(const Error& a, const Error& b) { return a.number == b.number && a.text == b.text; }

inline void PrintTo(const Error& error, std::ostream* out) { *out << error.number << " \"" << error.text << '"'; }

template <class T>
Error errorOf(const Result<T>& result) {
    return result ? Error{-1, "(succeeded)"} : result.error();
}
