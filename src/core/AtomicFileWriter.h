// AtomicFileWriter.h: writes a file so that it is either whole or not there:
// the bytes go to a temporary file in the target's folder, which replaces
// the target only when commit() succeeds. A failed or abandoned write leaves
// the old file as it was. Writes go through a large buffer.
//
// The temporary file has no name while it is written (O_TMPFILE), so that no
// signal, SIGKILL included, can leave it behind. Where the file system cannot
// make one, it is a short hidden name in the folder, removed on SIGINT,
// SIGTERM or SIGHUP (TemporaryFileCleanup.h) but left by SIGKILL. At the
// commit an unnamed file is linked into place: straight to the target's name
// when there was no such file; otherwise to a short temporary name that is
// renamed over the target straight after: only a signal within those few
// microseconds can leave that name behind.
//
// What the path names decides how it is written:
// - a regular file or nothing: replaced or created as above;
// - a symbolic link: followed, and the file it points to is replaced; the
//   link stays. A dangling link makes the file it names;
// - a device, FIFO or socket (/dev/null, /dev/stdout, a pipe): written in
//   place, as the shell's ">" does. A FIFO waits for its reader; bytes once
//   written stay, so there is nothing to keep whole. Standard output sent
//   to a file is written into that file, after what the shell left there;
// - a folder: refused ("Is a directory").
#pragma once

#include "base/Result.h"
#include "core/TemporaryFileCleanup.h"

#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include <sys/types.h>

// What to do when the target's folder does not exist. Saving into a folder
// that is not there is usually a typing mistake, so the default refuses it
// ("FOLDER: No such file or directory"), as cp does; the settings file's own
// folder is made on first use.
enum class MissingFolder { refuse, create };

class AtomicFileWriter {
public:
    // Opens the temporary file, or the device or FIFO itself. A new file is
    // made with mode 0644 less the umask; a replaced one keeps its mode.
    static Result<AtomicFileWriter> create(const std::string& path,
                                           MissingFolder missingFolder = MissingFolder::refuse);

    AtomicFileWriter(AtomicFileWriter&& other) noexcept;
    AtomicFileWriter& operator=(AtomicFileWriter&&) = delete;
    // Without a commit the temporary file is removed.
    ~AtomicFileWriter();

    // False once any write has failed; later writes do nothing, and commit()
    // reports the first failure.
    bool write(const void* bytes, std::size_t size);
    bool write(std::string_view text) { return write(text.data(), text.size()); }

    // Flushes, syncs and puts the file in place of the target, then syncs
    // the folder so that the change lasts too. The error text is the
    // system's reason. Only a failed sync of the folder comes after the new
    // file is in place: it is reported all the same, since the change might
    // not outlast a power cut.
    Result<std::monostate> commit();

    const std::string& path() const { return path_; }

private:
    enum class Kind { unnamedTemporary, namedTemporary, inPlace };
    AtomicFileWriter(std::string path, Kind kind, int fd);
    Result<std::monostate> openTemporary(mode_t mode);
    bool flush();
    Result<std::monostate> putInPlace();
    Result<std::monostate> linkUnnamedTemporary();
    void discard();

    static constexpr std::size_t kBufferSize = 1 << 20;
    std::string path_;
    Kind kind_;
    int fd_ = -1;
    // Where the file goes, for the two temporaries.
    int folderFd_ = -1;
    std::string targetName_;
    bool targetExisted_ = false;
    std::string temporaryName_;  // the named temporary's, or the unnamed one's once linked
    TemporaryFileCleanup cleanup_;
    int failure_ = 0;  // errno of the first failed write
    std::unique_ptr<char[]> buffer_;
    std::size_t buffered_ = 0;
    off_t writtenBytes_ = 0;    // handed to the kernel so far
    off_t writebackStart_ = 0;  // where the next early write-back begins
};
