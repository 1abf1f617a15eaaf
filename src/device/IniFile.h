// IniFile.h: a private-profile (INI) text that can be read and changed key by
// key while every line it does not change stays exactly as it was, so a
// settings file edited by hand keeps its other sections and comments.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class IniFile {
public:
    // Accepts LF and CR LF line ends. Section and key names match without
    // regard to case; a value is the text after the first '=', trimmed.
    static IniFile parse(std::string_view text);

    // Far beyond any settings file a person or this program writes; reading
    // a larger one whole would only hold up the window that asked.
    static constexpr uint64_t kMaxFileBytes = 1 << 20;

    // A file that does not exist reads as an empty document. One that exists
    // but cannot be read is an error: its size when larger than
    // kMaxFileBytes, "not a regular file" for a FIFO or device (never waited
    // on), else the system's reason.
    static Result<IniFile> load(const std::string& path);

    // The value of `key` in `section`, or nothing when either is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Replaces the value in place, or appends the key at the end of its
    // section, or appends the section at the end of the document.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The document with CR LF line ends, as every text file we write has
    // them; a line read with LF alone is written with CR LF too.
    std::string text() const;

    // Writes a temporary file beside `path` and renames it over `path`, so a
    // failed save leaves the old file whole. Creates a missing parent folder.
    // The error text is the system's reason.
    Result<std::monostate> save(const std::string& path) const;

private:
    struct Section {
        std::size_t header = 0;  // index of the "[name]" line
        std::size_t end = 0;     // one past its last line
    };
    std::optional<Section> findSection(std::string_view name) const;
    // Index of the key's line within `section`, if it has one.
    std::optional<std::size_t> findKey(const Section& section, std::string_view key) const;

    std::vector<std::string> lines_;
};
