#include "document/ExportRows.h"

#include "core/AtomicFileWriter.h"
#include "core/CaptureState.h"
#include "core/StringTable.h"
#include "document/FileNames.h"
#include "document/CandumpLogWriter.h"
#include "views/TextExport.h"

ExportFormat exportFormatForName(std::string_view path) {
    return isCandumpLogName(path) ? ExportFormat::candumpLog : ExportFormat::textLog;
}

Result<std::monostate> exportShownRows(const std::string& path, ExportFormat format, Protocol protocol,
                                       const CaptureState& capture, const ProgressCallback& progress) {
    auto writer = AtomicFileWriter::create(path);
    if (!writer)
        return makeError(strings::kOpenFileError, writer.error().text);
    if (format == ExportFormat::candumpLog)
        return writeCandumpLog(*writer, capture.store, capture.rows, progress);
    return writeTextExport(*writer, protocol, capture.store, capture.rows, exportDateTime(), progress);
}
