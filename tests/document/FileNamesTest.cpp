#include "document/FileNames.h"

#include "document/ExportRows.h"
#include "document/OpenedCapture.h"
#include "protocol/Protocol.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(FileNames, ExtensionsAreTheSameInAnyCase) {
    EXPECT_TRUE(isCaptureFileName("bench.orx"));
    EXPECT_TRUE(isCaptureFileName("/captures/BENCH.ORX"));
    EXPECT_TRUE(isCaptureFileName("line3.Orx"));
    EXPECT_FALSE(isCaptureFileName("bench.orx.log"));
    EXPECT_FALSE(isCaptureFileName("orx"));
    EXPECT_FALSE(isCaptureFileName(""));
    EXPECT_TRUE(isCandumpLogName("bus.LOG"));
    EXPECT_FALSE(isCandumpLogName("bus.log.txt"));
    EXPECT_EQ(exportFormatForName("/tmp/Bus.Log"), ExportFormat::candumpLog);
    EXPECT_EQ(exportFormatForName("/tmp/CANData.txt"), ExportFormat::textLog);
    EXPECT_EQ(exportFormatForName("/tmp/CANData"), ExportFormat::textLog);
    EXPECT_EQ(exportSuggestedName(Protocol::none), "CANopenData") << "without a protocol the export is CANopen's";
}

TEST(FileNames, AnEmptyFileNamedInCapitalsAsALogOpensAsAnEmptyLog) {
    TempDir dir;
    TempDir::write(dir.file("BUS.LOG"), "");
    auto opened = OpenedCapture::open(dir.file("BUS.LOG"));
    ASSERT_TRUE(opened) << opened.error().text;
    EXPECT_TRUE(opened->isCandumpLog());
}

TEST(FileNames, ALogAfterAByteOrderMarkOpensAsALogWhateverItsName) {
    TempDir dir;
    TempDir::write(dir.file("bus.txt"), "\xEF\xBB\xBF\r\n(1700000000.000000) can0 123#11\r\n");
    auto opened = OpenedCapture::open(dir.file("bus.txt"));
    ASSERT_TRUE(opened) << opened.error().text;
    EXPECT_TRUE(opened->isCandumpLog());
}
