#include "document/PrintedFile.h"

#include "core/AtomicFileWriter.h"
#include "core/CaptureState.h"
#include "core/StringTable.h"
#include "document/PdfPages.h"
#include "views/PrintPage.h"

#include <algorithm>

namespace {

// A4 in device pixels at the resolution of a common office printer.
constexpr PdfPageFormat kFilePage{4961, 7016, 600};

PrintFontSizes fileFontSizes(const PrintFileSettings& settings) {
    return printFontSizes(settings.fontPixels, 0, kFilePage.dotsPerInch, kFilePage.dotsPerInch);
}

// Each page's texts one per line, in drawing order; a form feed between pages.
class TextPageWriter : public PageCanvas {
public:
    explicit TextPageWriter(AtomicFileWriter& out) : out_(out) {}

    void beginPage() {
        if (pages_++ > 0)
            out_.write("\f");
    }
    void endPage() {}
    void drawText(PrintFont, int, int, std::string_view text) override {
        out_.write(text);
        out_.write("\n");
    }
    void drawLine(int, int, int, int) override {}

private:
    AtomicFileWriter& out_;
    uint32_t pages_ = 0;
};

template <class Writer>
void printPages(Writer& writer, const PrintJob& job, const PrintFileSettings& settings) {
    const PageRect rect{0, 0, kFilePage.widthPixels, kFilePage.heightPixels};
    const uint32_t last = std::min(settings.lastPage, job.layout.pageCount);
    for (uint32_t page = std::max(settings.firstPage, 1u); page <= last; ++page) {
        writer.beginPage();
        const bool more = drawPrintPage(writer, job, page, rect);
        writer.endPage();
        if (!more)
            break;
    }
}

}  // namespace

PrintLayout printFileLayout(const PrintFileSettings& settings, uint32_t rowCount) {
    const int lineHeight = pdfLineHeight(pdfFaceFor(settings.fontFamily), fileFontSizes(settings).bodyHeight);
    return computePrintLayout(kFilePage.heightPixels, lineHeight, rowCount);
}

Result<std::monostate> printShownRowsToFile(const std::string& path, PrintFileFormat format, Protocol protocol,
                                            const CaptureState& capture, const PrintFileSettings& settings) {
    auto out = AtomicFileWriter::create(path);
    if (!out)
        return makeError(strings::kOpenFileError, out.error().text);
    const PrintJob job(protocol, capture.store, capture.rows, printFileLayout(settings, capture.rows.count()));
    if (format == PrintFileFormat::text) {
        TextPageWriter writer(*out);
        printPages(writer, job, settings);
    } else {
        const PrintFontSizes sizes = fileFontSizes(settings);
        PdfPageWriter writer(*out, kFilePage, pdfFaceFor(settings.fontFamily), sizes.bodyHeight, sizes.headingHeight);
        printPages(writer, job, settings);
        writer.finish();
    }
    return out->commit();
}
