// FifoWithoutWriter.h: a FIFO that no one writes to, for the readers that
// must refuse it at once. A reader that waits on it instead would hang the
// test run, so the call runs on a thread of its own; if it has not returned
// after a generous while, a writer comes and goes, which lets a blocked
// open() or read() return, and the test fails instead of hanging.
#pragma once

#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class FifoWithoutWriter {
public:
    explicit FifoWithoutWriter(std::string path) : path_(std::move(path)) {
        made_ = ::mkfifo(path_.c_str(), 0600) == 0;
    }

    bool made() const { return made_; }
    const std::string& path() const { return path_; }

    // The result of `call`, or nothing when it had to be freed from waiting
    // on the FIFO. The bound guards against a hang; it measures nothing.
    template <class Call>
    std::optional<std::invoke_result_t<Call>> call(Call call) const {
        auto result = std::async(std::launch::async, std::move(call));
        if (result.wait_for(std::chrono::seconds(30)) == std::future_status::ready)
            return result.get();
        while (result.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
            const int writer = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (writer >= 0)
                ::close(writer);
        }
        static_cast<void>(result.get());
        return std::nullopt;
    }

private:
    std::string path_;
    bool made_ = false;
};
