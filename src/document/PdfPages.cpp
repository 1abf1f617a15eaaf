#include "document/PdfPages.h"

#include "core/AtomicFileWriter.h"

#include <cstdio>

namespace {

constexpr uint32_t kCatalogObject = 1;
constexpr uint32_t kPagesObject = 2;
constexpr uint32_t kFontObject = 3;
constexpr uint32_t kFirstPageObject = 4;

constexpr PdfFace kHelvetica{"Helvetica", 931, 225};
constexpr PdfFace kCourier{"Courier", 805, 250};

int roundUpThousandths(int size, int thousandths) { return (size * thousandths + 999) / 1000; }

// One character of UTF-8 `text` from `i` on, as its WinAnsi code; `i`
// moves past it. The standard faces carry Latin-1's glyphs only: anything
// else becomes "?".
unsigned winAnsiCode(std::string_view text, std::size_t& i) {
    auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned lead = byteAt(i++);
    if (lead < 0x80)
        return lead;
    unsigned code = '?';
    if ((lead == 0xC2 || lead == 0xC3) && i < text.size() && (byteAt(i) & 0xC0) == 0x80) {
        const unsigned latin1 = ((lead & 0x1F) << 6) | (byteAt(i) & 0x3F);
        if (latin1 >= 0xA0)
            code = latin1;
    }
    while (i < text.size() && (byteAt(i) & 0xC0) == 0x80)
        ++i;
    return code;
}

std::string pdfLiteral(std::string_view text) {
    std::string literal = "(";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned code = winAnsiCode(text, i);
        if (code == '(' || code == ')' || code == '\\')
            literal += '\\';
        if (code < 0x20 || code >= 0x80) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\%03o", code);
            literal += escaped;
        } else {
            literal += char(code);
        }
    }
    return literal + ")";
}

}  // namespace

PdfFace pdfFaceFor(std::string_view family) {
    const bool fixedPitch = family.find("Mono") != std::string_view::npos ||
                            family.find("Courier") != std::string_view::npos ||
                            family.find("Fixed") != std::string_view::npos;
    return fixedPitch ? kCourier : kHelvetica;
}

int pdfLineHeight(const PdfFace& face, int sizePixels) {
    return roundUpThousandths(sizePixels, face.ascent) + roundUpThousandths(sizePixels, face.descent);
}

PdfPageWriter::PdfPageWriter(AtomicFileWriter& out, PdfPageFormat format, PdfFace face, int bodyPixels,
                             int headingPixels)
    : out_(out), format_(format), face_(face), bodyPixels_(bodyPixels), headingPixels_(headingPixels),
      offsets_(kFirstPageObject, 0) {
    // The binary comment tells transfer programs the file is not text.
    put("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    beginObject(kCatalogObject);
    put("<< /Type /Catalog /Pages 2 0 R >>\nendobj\n");
    beginObject(kFontObject);
    put("<< /Type /Font /Subtype /Type1 /BaseFont /" + std::string(face_.name) +
        " /Encoding /WinAnsiEncoding >>\nendobj\n");
}

void PdfPageWriter::put(std::string_view bytes) {
    out_.write(bytes);
    written_ += bytes.size();
}

void PdfPageWriter::beginObject(uint32_t number) {
    if (offsets_.size() <= number)
        offsets_.resize(number + 1, 0);
    offsets_[number] = written_;
    put(std::to_string(number) + " 0 obj\n");
}

void PdfPageWriter::writeStream(uint32_t number, std::string_view bytes) {
    beginObject(number);
    put("<< /Length " + std::to_string(bytes.size()) + " >>\nstream\n");
    put(bytes);
    put("\nendstream\nendobj\n");
}

void PdfPageWriter::beginPage() {
    // Device pixels, y downwards, as the page drawing counts them.
    char scale[96];
    const double pointsPerPixel = 72.0 / format_.dotsPerInch;
    std::snprintf(scale, sizeof scale, "%.6f 0 0 %.6f 0 %.4f cm 1 w\n", pointsPerPixel, -pointsPerPixel,
                  format_.heightPixels * pointsPerPixel);
    content_ = scale;
}

void PdfPageWriter::drawText(PrintFont font, int x, int y, std::string_view text) {
    const int size = font == PrintFont::heading ? headingPixels_ : bodyPixels_;
    // The text matrix flips the glyphs upright again; PDF places the baseline.
    const int baseline = y + roundUpThousandths(size, face_.ascent);
    content_ += "BT /F1 " + std::to_string(size) + " Tf 1 0 0 -1 " + std::to_string(x) + " " +
                std::to_string(baseline) + " Tm " + pdfLiteral(text) + " Tj ET\n";
}

void PdfPageWriter::drawLine(int x1, int y1, int x2, int y2) {
    content_ += std::to_string(x1) + " " + std::to_string(y1) + " m " + std::to_string(x2) + " " +
                std::to_string(y2) + " l S\n";
}

void PdfPageWriter::endPage() {
    const uint32_t contentObject = uint32_t(offsets_.size());
    writeStream(contentObject, content_);
    const uint32_t pageObject = contentObject + 1;
    beginObject(pageObject);
    char page[192];
    const double pointsPerPixel = 72.0 / format_.dotsPerInch;
    const int length = std::snprintf(page, sizeof page,
                                     "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %.2f %.2f] /Contents %u 0 R "
                                     "/Resources << /Font << /F1 3 0 R >> >> >>\nendobj\n",
                                     format_.widthPixels * pointsPerPixel, format_.heightPixels * pointsPerPixel,
                                     contentObject);
    put(std::string_view(page, std::size_t(length)));
    pages_.push_back(pageObject);
}

void PdfPageWriter::finish() {
    beginObject(kPagesObject);
    std::string tree = "<< /Type /Pages /Count " + std::to_string(pages_.size()) + " /Kids [";
    for (uint32_t page : pages_)
        tree += std::to_string(page) + " 0 R ";
    tree += "] >>\nendobj\n";
    put(tree);

    const uint64_t xref = written_;
    std::string table = "xref\n0 " + std::to_string(offsets_.size()) + "\n0000000000 65535 f \n";
    for (std::size_t number = 1; number < offsets_.size(); ++number) {
        char entry[21];
        std::snprintf(entry, sizeof entry, "%010llu 00000 n \n", static_cast<unsigned long long>(offsets_[number]));
        table += entry;
    }
    table += "trailer\n<< /Size " + std::to_string(offsets_.size()) + " /Root 1 0 R >>\nstartxref\n" +
             std::to_string(xref) + "\n%%EOF\n";
    put(table);
}
