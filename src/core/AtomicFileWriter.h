// AtomicFileWriter.h: writes a file so that it is either whole or not there:
// the bytes go to a temporary file in the target's folder, which replaces
// the target only when commit() succeeds. A failed or abandoned write leaves
// the old file as it was. Writes go through a large buffer.
#pragma once

#include "base/Result.h"

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include <sys/types.h>

class AtomicFileWriter {
public:
    // Creates the temporary file (and a missing parent folder). The new file
    // keeps the permissions of the file it replaces.
    static Result<AtomicFileWriter> create(const std::string& path);

    AtomicFileWriter(AtomicFileWriter&& other) noexcept;
    AtomicFileWriter& operator=(AtomicFileWriter&&) = delete;
    // Without a commit the temporary file is removed.
    ~AtomicFileWriter();

    // False once any write has failed; later writes do nothing, and commit()
    // reports the first failure.
    bool write(const void* bytes, std::size_t size);
    bool write(std::string_view text) { return write(text.data(), text.size()); }

    // Flushes, syncs and renames over the target, then syncs the folder so
    // that the rename lasts too. The error text is the system's reason.
    Result<std::monostate> commit();

    const std::string& path() const { return path_; }

private:
    AtomicFileWriter(std::string path, std::string temporaryPath, int fd);
    bool flush();
    void discard();

    static constexpr std::size_t kBufferSize = 1 << 20;
    std::string path_;
    std::string temporaryPath_;
    int fd_ = -1;
    int failure_ = 0;  // errno of the first failed write
    std::unique_ptr<char[]> buffer_;
    std::size_t buffered_ = 0;
    off_t writtenBytes_ = 0;    // handed to the kernel so far
    off_t writebackStart_ = 0;  // where the next early write-back begins
};
