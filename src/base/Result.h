// Result.h: a value or the reason there is none, for everything that input
// can make fail (file bytes, typed text, an option, an adapter's answer).
// Shaped like C++23's std::expected, which GCC 12 offers only under C++23.
#pragma once

#include <cassert>
#include <string>
#include <system_error>
#include <utility>
#include <variant>

// Why an operation failed: a string-table message number (0 when the text is
// our own and not shown in a window) and the text with its details filled in.
struct Error {
    int number = 0;
    std::string text;
};

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool hasValue() const { return state_.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    T& value() { assert(hasValue() && "value() of a failed Result"); return std::get<0>(state_); }
    const T& value() const { assert(hasValue() && "value() of a failed Result"); return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { assert(!hasValue() && "error() of a successful Result"); return std::get<1>(state_); }

private:
    std::variant<T, Error> state_;
};

inline Error makeError(int number, std::string text) { return Error{number, std::move(text)}; }
inline Error makeError(std::string text) { return Error{0, std::move(text)}; }

// The system's own words for an errno value, as file errors report it.
inline Error systemError(int errnoCode) {
    return makeError(std::error_code(errnoCode, std::generic_category()).message());
}
