#include "core/AtomicFileWriter.h"
#include "core/FileReader.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Bytes that no slip of an offset could leave unchanged.
std::string patternBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = char((i * 7919) >> 3);
    return bytes;
}

}  // namespace

TEST(AtomicFileWriter, CommitReplacesTheFileWithAllItsBytes) {
    TempDir dir;
    const std::string path = dir.file("capture.orx");
    TempDir::write(path, "old");
    // Beyond the buffer many times over, and past two early write-backs.
    const std::string bytes = patternBytes(18'000'000 + 17);
    auto writer = AtomicFileWriter::create(path);
    ASSERT_TRUE(writer);
    ASSERT_TRUE(writer->write(bytes.substr(0, 1000)));
    ASSERT_TRUE(writer->write(bytes.data() + 1000, bytes.size() - 1000));
    EXPECT_EQ(TempDir::read(path), "old") << "nothing replaced before the commit";
    ASSERT_TRUE(writer->commit());
    EXPECT_EQ(TempDir::read(path), bytes);
    EXPECT_EQ(dir.entryCount(), 1u) << "no temporary file left";
}

TEST(AtomicFileWriter, AnAbandonedWriteLeavesTheOldFileAndNoTemporary) {
    TempDir dir;
    const std::string path = dir.file("log.txt");
    TempDir::write(path, "previous log");
    {
        auto writer = AtomicFileWriter::create(path);
        ASSERT_TRUE(writer);
        writer->write(std::string_view("half a log"));
    }
    EXPECT_EQ(TempDir::read(path), "previous log");
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST(AtomicFileWriter, AFolderThatCannotBeMadeIsAnError) {
    TempDir dir;
    TempDir::write(dir.file("plain"), "x");
    auto writer = AtomicFileWriter::create(dir.file("plain/inside.txt"));
    ASSERT_FALSE(writer);
    EXPECT_FALSE(writer.error().text.empty());
}

TEST(FileReader, ReadsBackInPiecesAndTellsTheEndFromAnError) {
    TempDir dir;
    const std::string path = dir.file("data.bin");
    const std::string bytes = patternBytes(1'048'576 * 2 + 3);
    TempDir::write(path, bytes);
    auto reader = FileReader::open(path);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->sizeBytes(), bytes.size());
    std::string back(bytes.size(), '\0');
    ASSERT_TRUE(reader->read(back.data(), 5));
    ASSERT_TRUE(reader->read(back.data() + 5, bytes.size() - 5));
    EXPECT_EQ(back, bytes);
    char more = 0;
    EXPECT_FALSE(reader->read(&more, 1)) << "past the end";
    EXPECT_EQ(reader->errorText(), "") << "a clean end is no error";

    EXPECT_FALSE(FileReader::open(dir.file("missing.bin")));
    EXPECT_FALSE(FileReader::open(dir.path())) << "a folder is not a file";
}
