#include "document/OpenedCapture.h"

#include "core/DocumentContents.h"
#include "core/FileReader.h"
#include "core/StringTable.h"
#include "document/CandumpFrameLines.h"
#include "document/CandumpLogReader.h"
#include "document/CaptureDocumentFile.h"
#include "document/CaptureFileReader.h"
#include "document/FileNames.h"
#include "document/ProgramState.h"

#include <new>
#include <optional>

namespace {

// A candump log is text whose first line opens with the time in brackets,
// after a byte-order mark that an editor may have put first; a capture file
// starts with a float, whose bytes never read so for the versions ever
// written. A file with nothing to tell by is what its name says: an empty
// log is a log.
Result<bool> startsLikeCandumpLog(const std::string& path) {
    auto file = FileReader::open(path);
    if (!file)
        return file.error();
    char first = 0;
    bool inByteOrderMark = true;
    for (std::size_t position = 0; file->read(&first, 1); ++position) {
        inByteOrderMark = inByteOrderMark && position < kUtf8ByteOrderMark.size() &&
                          first == kUtf8ByteOrderMark[position];
        if (!inByteOrderMark && first != ' ' && first != '\t' && first != '\r' && first != '\n')
            return first == '(';
    }
    return isCandumpLogName(path);
}

// Only a machine out of memory gets here: the readers bound what they
// allocate by what the file really holds.
Error outOfMemory() { return makeError(strings::kCannotReadFile, "not enough memory to load it"); }

}  // namespace

struct OpenedCapture::Source {
    std::optional<CaptureFileReader> captureFile;
    std::optional<CandumpLogReader> candumpLog;
};

OpenedCapture::OpenedCapture(std::unique_ptr<Source> source) : source_(std::move(source)) {}
OpenedCapture::OpenedCapture(OpenedCapture&&) noexcept = default;
OpenedCapture::~OpenedCapture() = default;

Result<OpenedCapture> OpenedCapture::open(const std::string& path) try {
    const auto candump = startsLikeCandumpLog(path);
    if (!candump)
        return makeError(strings::kCannotReadFile, candump.error().text);
    auto source = std::make_unique<Source>();
    if (*candump) {
        auto log = CandumpLogReader::open(path);
        if (!log)
            return log.error();
        source->candumpLog.emplace(std::move(*log));
    } else {
        auto file = CaptureFileReader::open(path);
        if (!file)
            return file.error();
        source->captureFile.emplace(std::move(*file));
    }
    return OpenedCapture(std::move(source));
} catch (const std::bad_alloc&) {
    return outOfMemory();
}

bool OpenedCapture::isCandumpLog() const { return source_->candumpLog.has_value(); }

Result<std::monostate> OpenedCapture::loadInto(ProgramState& state, DocumentContents& document,
                                               const ProgressCallback& progress) try {
    if (source_->captureFile)
        return loadCaptureContents(*source_->captureFile, state, document, progress);

    // A log is a finished capture with no settings of its own: capture stays
    // off, and no filter hides any of its frames.
    CaptureState& capture = state.capture;
    capture.capturing = false;
    capture.clearEverything();
    state.filter.conditions.clear();
    state.filter.filterActiveWord = 0;
    document = DocumentContents();
    auto appended = source_->candumpLog->appendTo(capture.store, progress);
    if (!appended) {
        capture.clearEverything();
        return appended;
    }
    state.protocol = Protocol::can;
    capture.dataChanged = false;
    return std::monostate{};
} catch (const std::bad_alloc&) {
    // As any load that fails halfway: an empty capture, not half of one.
    state.capture.capturing = false;
    state.capture.clearEverything();
    return outOfMemory();
}
