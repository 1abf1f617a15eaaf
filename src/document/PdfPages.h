// PdfPages.h: printed pages written as a PDF file without any toolkit: text
// in one of the standard PDF faces, rules as lines, pages streamed to the
// file one at a time so that 10,000 pages cost no more memory than one.
#pragma once

#include "views/PrintPage.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class AtomicFileWriter;

// A standard face every PDF reader has, and the room it takes above and
// below the baseline, in thousandths of the font size (from its box).
struct PdfFace {
    std::string_view name;
    int ascent;
    int descent;
};

// Courier for a family that names a fixed-pitch face, Helvetica for any other.
PdfFace pdfFaceFor(std::string_view family);

// The height a line of `face` takes at `sizePixels`: ascent and descent,
// each rounded up to whole device pixels.
int pdfLineHeight(const PdfFace& face, int sizePixels);

struct PdfPageFormat {
    int widthPixels;
    int heightPixels;
    int dotsPerInch;
};

class PdfPageWriter : public PageCanvas {
public:
    PdfPageWriter(AtomicFileWriter& out, PdfPageFormat format, PdfFace face, int bodyPixels, int headingPixels);

    void beginPage();
    void endPage();
    // Writes the page tree and the cross-reference table; the caller commits.
    void finish();

    void drawText(PrintFont font, int x, int y, std::string_view text) override;
    void drawLine(int x1, int y1, int x2, int y2) override;

private:
    void put(std::string_view bytes);
    void beginObject(uint32_t number);
    void writeStream(uint32_t number, std::string_view bytes);

    AtomicFileWriter& out_;
    PdfPageFormat format_;
    PdfFace face_;
    int bodyPixels_;
    int headingPixels_;
    uint64_t written_ = 0;
    std::vector<uint64_t> offsets_;  // by object number; 0 not used
    std::vector<uint32_t> pages_;
    std::string content_;
};
