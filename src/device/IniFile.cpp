#include "device/IniFile.h"

#include "core/AtomicFileWriter.h"
#include "core/FileReader.h"

#include <cassert>

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

Error tooLarge(uint64_t sizeBytes) {
    return makeError(std::to_string(sizeBytes) + " bytes, larger than a settings file may be (" +
                     std::to_string(IniFile::kMaxFileBytes) + ")");
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

// A line as the profile sees it: a section header, a key, or anything else
// (blank, comment, unknown), which is kept but never matched.
struct LineView {
    enum class Kind { other, section, key } kind = Kind::other;
    std::string_view name;
    std::size_t valueStart = 0;  // for keys: where the value begins in the line
};

LineView classify(std::string_view line) {
    std::string_view text = line;
    // An editor may have put a byte-order mark before the first section.
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    const std::string_view content = trimmed(text);
    if (content.empty() || content.front() == ';' || content.front() == '#')
        return {};
    if (content.front() == '[') {
        const std::size_t close = content.find(']');
        if (close == std::string_view::npos)
            return {};
        return {LineView::Kind::section, trimmed(content.substr(1, close - 1)), 0};
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    const std::string_view key = trimmed(line.substr(0, equals));
    if (key.empty())
        return {};
    const std::size_t afterBlanks = line.find_first_not_of(kBlanks, equals + 1);
    return {LineView::Kind::key, key, afterBlanks == std::string_view::npos ? line.size() : afterBlanks};
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile file;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        file.lines_.emplace_back(line);
    }
    return file;
}

Result<IniFile> IniFile::load(const std::string& path) {
    auto opened = FileReader::openIfExists(path);
    if (!opened)
        return opened.error();
    if (!*opened)
        return IniFile();
    FileReader& file = **opened;
    if (file.sizeBytes() > kMaxFileBytes)
        return tooLarge(file.sizeBytes());
    std::string bytes;
    char chunk[4096];
    while (const std::size_t got = file.readSome(chunk, sizeof chunk)) {
        // The file may have grown since it was opened.
        if (bytes.size() + got > kMaxFileBytes)
            return tooLarge(bytes.size() + got);
        bytes.append(chunk, got);
    }
    if (!file.errorText().empty())
        return makeError(file.errorText());
    return parse(bytes);
}

std::optional<IniFile::Section> IniFile::findSection(std::string_view name) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LineView header = classify(lines_[i]);
        if (header.kind != LineView::Kind::section || !sameName(header.name, name))
            continue;
        Section section{i, lines_.size()};
        for (std::size_t j = i + 1; j < lines_.size(); ++j) {
            if (classify(lines_[j]).kind == LineView::Kind::section) {
                section.end = j;
                break;
            }
        }
        return section;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::findKey(const Section& section, std::string_view key) const {
    for (std::size_t i = section.header + 1; i < section.end; ++i) {
        const LineView line = classify(lines_[i]);
        if (line.kind == LineView::Kind::key && sameName(line.name, key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto found = findSection(section);
    if (!found)
        return std::nullopt;
    const auto line = findKey(*found, key);
    if (!line)
        return std::nullopt;
    const std::string_view text = lines_[*line];
    return std::string(trimmed(text.substr(classify(text).valueStart)));
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    assert(section.find_first_of("]\r\n") == std::string_view::npos && "section name breaks the line format");
    assert(key.find_first_of("=\r\n") == std::string_view::npos && "key name breaks the line format");
    assert(value.find_first_of("\r\n") == std::string_view::npos && "value breaks the line format");
    const std::string keyLine = std::string(key) + "=" + std::string(value);

    const auto found = findSection(section);
    if (!found) {
        // A blank line keeps the new section apart from the one before it.
        if (!lines_.empty() && !trimmed(lines_.back()).empty())
            lines_.emplace_back();
        lines_.push_back(std::string("[").append(section).append("]"));
        lines_.push_back(keyLine);
        return;
    }
    if (const auto line = findKey(*found, key)) {
        std::string& text = lines_[*line];
        // Keep the key as the file spells it and its spacing; an empty value
        // leaves no trailing blanks.
        const std::size_t keep = value.empty() ? text.find('=') + 1 : classify(text).valueStart;
        text = text.substr(0, keep) + std::string(value);
        return;
    }
    // After the section's last key (or other content), not after the blank
    // lines or comments that lead into the next section.
    std::size_t insertAt = found->header + 1;
    for (std::size_t i = found->header + 1; i < found->end; ++i) {
        const std::string_view content = trimmed(lines_[i]);
        if (!content.empty() && content.front() != ';' && content.front() != '#')
            insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + std::ptrdiff_t(insertAt), keyLine);
}

std::string IniFile::text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

Result<std::monostate> IniFile::save(const std::string& path) const {
    auto writer = AtomicFileWriter::create(path, MissingFolder::create);
    if (!writer)
        return writer.error();
    writer->write(text());
    return writer->commit();
}
