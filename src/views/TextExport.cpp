#include "views/TextExport.h"

#include "core/AtomicFileWriter.h"
#include "core/FrameStore.h"
#include "core/StringTable.h"
#include "core/VisibleRows.h"
#include "views/ExportLines.h"
#include "views/FrameText.h"

#include <charconv>
#include <cstdlib>
#include <ctime>

namespace {

constexpr std::string_view kLineBreak = "\r\n";
// Under DeviceNet and CANopen the closing text is fixed, without the period.
constexpr std::string_view kFixedClosingText = "End of message logs";

struct LayoutTexts {
    int headingString;
    std::size_t headingDashes;
    std::size_t closingDashes;
};

LayoutTexts layoutTexts(ExportLayout layout) {
    return forLayout(layout, LayoutTexts{strings::kExportHeadingCan, 77, 83},
                     LayoutTexts{strings::kExportHeadingDeviceNet, 114, 115},
                     LayoutTexts{strings::kExportHeadingCanopen, 109, 109});
}

// The string table's texts carry "\n"; the log is text-mode output, where
// every line break is CR LF.
void appendWithLineBreaks(std::string& block, std::string_view text) {
    for (char c : text) {
        if (c == '\n')
            block += kLineBreak;
        else
            block += c;
    }
}

void appendDashLine(std::string& block, std::size_t dashes) {
    block.append(dashes, '-');
    block += kLineBreak;
}

std::string headerBlock(ExportLayout layout, uint32_t rowCount, std::string_view dateTime) {
    std::string block;
    appendWithLineBreaks(block, strings::text(strings::kExportTitleLine));
    block += strings::text(strings::kExportDateTime);
    block += dateTime;
    block += kLineBreak;
    block += kLineBreak;

    // Unsigned, so that a count above 2^31 never shows negative as "%d" would.
    std::string amount(strings::text(strings::kExportMessageAmount));
    if (const std::size_t at = amount.find("%d"); at != std::string::npos) {
        char digits[16];
        amount.replace(at, 2, digits, std::size_t(frametext::writeDecimal(digits, rowCount) - digits));
    }
    appendWithLineBreaks(block, amount);

    const LayoutTexts texts = layoutTexts(layout);
    appendWithLineBreaks(block, strings::text(texts.headingString));
    appendDashLine(block, texts.headingDashes);
    return block;
}

std::string closingBlock(ExportLayout layout) {
    std::string block;
    appendDashLine(block, layoutTexts(layout).closingDashes);
    if (layout == ExportLayout::can)
        appendWithLineBreaks(block, strings::text(strings::kExportEnd));
    else
        block += kFixedClosingText;
    return block;
}

// SOURCE_DATE_EPOCH as seconds since 1970, when it holds a plain number.
bool sourceDateEpoch(std::time_t& seconds) {
    const char* value = std::getenv("SOURCE_DATE_EPOCH");
    if (!value || *value == '\0')
        return false;
    const std::string_view text(value);
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    return fault == std::errc() && end == text.data() + text.size() && seconds >= 0;
}

}  // namespace

std::string exportDateTime() {
    std::tm parts{};
    std::time_t seconds = 0;
    // An unusable SOURCE_DATE_EPOCH falls back to the local time of now
    // rather than stopping the export.
    if (!sourceDateEpoch(seconds) || !gmtime_r(&seconds, &parts)) {
        seconds = std::time(nullptr);
        localtime_r(&seconds, &parts);
    }
    char text[64];
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts));
}

Result<std::monostate> writeTextExport(AtomicFileWriter& out, Protocol protocol, const FrameStore& store,
                                       const VisibleRows& rows, std::string_view dateTime,
                                       const ProgressCallback& progress) {
    const ExportLayout layout = exportLayout(protocol);
    const ExportWords words = ExportWords::fromStringTable();
    const uint32_t rowCount = rows.count();

    bool written = out.write(headerBlock(layout, rowCount, dateTime));
    PercentProgress percent(rowCount, progress);
    for (uint32_t row = 0; row < rowCount && written; ++row) {
        percent.before(row);
        char line[kMaxExportLineChars + kLineBreak.size()];
        char* end = writeExportLine(line, layout, words, row, store.at(rows.at(row)));
        end = std::copy(kLineBreak.begin(), kLineBreak.end(), end);
        written = out.write(line, std::size_t(end - line));
    }
    if (written)
        out.write(closingBlock(layout));
    // A failed write is reported by the commit, which also removes the
    // temporary file, so no half log is left looking like a finished one.
    auto committed = out.commit();
    if (!committed)
        return makeError(strings::kCannotSaveFile, committed.error().text);
    return std::monostate{};
}
