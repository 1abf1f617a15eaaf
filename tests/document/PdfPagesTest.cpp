#include "document/PdfPages.h"

#include "core/AtomicFileWriter.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

std::string writePdf(const std::string& path, int pages) {
    auto out = AtomicFileWriter::create(path);
    EXPECT_TRUE(out.hasValue());
    PdfPageWriter writer(*out, {4961, 7016, 600}, pdfFaceFor("Verdana"), 66, 100);
    for (int page = 0; page < pages; ++page) {
        writer.beginPage();
        writer.drawText(PrintFont::body, 150, 620, "Gr\xC3\xBC\xC3\x9F" "e (x) \\ \xE2\x9C\x93");
        writer.drawLine(150, 600, 4811, 600);
        writer.endPage();
    }
    writer.finish();
    EXPECT_TRUE(out->commit().hasValue());
    return TempDir::read(path).value_or("");
}

}  // namespace

TEST(PdfPages, TextBecomesWinAnsiWithItsSpecialCharactersEscaped) {
    TempDir dir;
    const std::string pdf = writePdf(dir.file("a.pdf"), 1);
    // ü and ß are Latin-1; the check mark has no glyph in the standard faces.
    EXPECT_NE(pdf.find("(Gr\\374\\337e \\(x\\) \\\\ ?) Tj"), std::string::npos) << pdf;
    // 66 pixels of Helvetica rise 62 above the baseline.
    EXPECT_NE(pdf.find("/F1 66 Tf 1 0 0 -1 150 682 Tm"), std::string::npos);
}

TEST(PdfPages, CrossReferenceTablePointsAtEveryObject) {
    TempDir dir;
    const std::string pdf = writePdf(dir.file("a.pdf"), 3);
    const std::size_t startxref = pdf.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    const std::size_t xref = std::stoul(pdf.substr(startxref + 10));
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    std::istringstream table(pdf.substr(xref + 5));
    int first = -1, count = 0;
    table >> first >> count;
    EXPECT_EQ(first, 0);
    EXPECT_EQ(count, 4 + 3 * 2);  // catalog, pages, font; a content stream and a page each
    std::string offset, generation, kind;
    table >> offset >> generation >> kind;  // the free entry 0
    for (int number = 1; number < count; ++number) {
        table >> offset >> generation >> kind;
        EXPECT_EQ(kind, "n");
        EXPECT_EQ(pdf.compare(std::stoul(offset), std::to_string(number).size() + 6, std::to_string(number) + " 0 obj"),
                  0)
            << number;
    }
    EXPECT_NE(pdf.find("/Type /Pages /Count 3 /Kids [5 0 R 7 0 R 9 0 R ]"), std::string::npos);
}
