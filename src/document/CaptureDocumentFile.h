// CaptureDocumentFile.h: Save and Open of a capture document: which state
// goes into the file, and how a loaded file replaces the open capture and
// the process-wide settings. The window adds the progress window and the view.
#pragma once

#include "base/Result.h"
#include "core/PercentProgress.h"
#include "document/CaptureFileFormat.h"

#include <string>
#include <variant>

struct DocumentContents;
struct ProgramState;
class CaptureFileReader;

// What Save writes besides the records.
CaptureFileParts captureFileParts(const ProgramState& state, const DocumentContents& document);

// Saves the records stored when it starts. On success the capture counts as
// saved (unless frames arrived meanwhile); on failure nothing changes.
Result<std::monostate> saveCaptureDocument(const std::string& path, ProgramState& state,
                                           const DocumentContents& document, const ProgressCallback& progress);

// The steps after a successful CaptureFileReader::open: stops fetching
// frames, empties the capture, the conditions and the automation items,
// loads the file and restores the settings it holds, with the protocol set to
// CAN and the capture unchanged since the load. A read that fails halfway
// leaves the capture empty.
Result<std::monostate> loadCaptureContents(CaptureFileReader& reader, ProgramState& state, DocumentContents& document,
                                           const ProgressCallback& progress);
