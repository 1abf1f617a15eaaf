// SlcanDevice.h: a simulated slcan adapter on the far side of a
// pseudo-terminal, answering as such an adapter does: a carriage return for
// a command it takes, "z" for a frame it takes for sending, a bell for one
// it refuses (a frame while the channel is closed or listen-only, a bit rate
// while it is open, an unknown command). Tests read the commands it got and
// put frames on its bus.
#pragma once

#include "driver/SlcanCodec.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

class SlcanDevice {
public:
    SlcanDevice() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0)
            path_ = ::ptsname(master_);
        thread_ = std::thread([this] { serve(); });
    }
    ~SlcanDevice() {
        stop_ = true;
        thread_.join();
        if (master_ >= 0)
            ::close(master_);
    }

    // Empty when no pseudo-terminal could be made.
    const std::string& path() const { return path_; }

    // Stops answering at all, as an unplugged adapter or another device.
    void setSilent(bool silent) { silent_ = silent; }

    // A frame from another node on the bus; none while the channel is closed.
    void receive(const std::string& line) { write(line); }

    std::vector<std::string> commands() const {
        std::lock_guard lock(mutex_);
        return commands_;
    }
    // The frames taken for sending, as their command lines.
    std::vector<std::string> sent() const {
        std::lock_guard lock(mutex_);
        return sent_;
    }
    std::vector<std::chrono::steady_clock::time_point> sentTimes() const {
        std::lock_guard lock(mutex_);
        return sentTimes_;
    }

private:
    void write(const std::string& bytes) {
        std::lock_guard lock(writeMutex_);
        const char* at = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(master_, at, left);
            if (n <= 0)
                return;
            at += n;
            left -= std::size_t(n);
        }
    }

    void serve() {
        std::string partial;
        char buffer[256];
        while (!stop_) {
            pollfd ready{master_, POLLIN, 0};
            if (master_ < 0 || ::poll(&ready, 1, 10) <= 0)
                continue;
            if (!(ready.revents & POLLIN)) {
                // Nobody has the line open: wait for the next one to.
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                continue;
            }
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            for (ssize_t i = 0; i < n; ++i) {
                if (buffer[i] != '\r') {
                    partial += buffer[i];
                    continue;
                }
                answer(partial);
                partial.clear();
            }
        }
    }

    void answer(const std::string& command) {
        {
            std::lock_guard lock(mutex_);
            commands_.push_back(command);
        }
        if (silent_)
            return;
        const char kind = command.empty() ? '\0' : command[0];
        bool taken = false;
        switch (kind) {
        case 'O':
        case 'L':
            taken = mode_ == Mode::closed;
            if (taken)
                mode_ = kind == 'O' ? Mode::open : Mode::listenOnly;
            break;
        case 'C':
            taken = mode_ != Mode::closed;
            mode_ = Mode::closed;
            break;
        case 'S':
            taken = mode_ == Mode::closed && command.size() == 2 && command[1] >= '0' && command[1] <= '8';
            break;
        case 't':
        case 'T':
        case 'r':
        case 'R':
            if (mode_ == Mode::open && vorelin::driver::slcan::parseAnswer(command).kind ==
                                            vorelin::driver::slcan::Answer::Kind::frame) {
                {
                    std::lock_guard lock(mutex_);
                    sent_.push_back(command);
                    sentTimes_.push_back(std::chrono::steady_clock::now());
                }
                write(kind == 't' || kind == 'r' ? "z\r" : "Z\r");
                return;
            }
            break;
        default:
            break;
        }
        write(taken ? "\r" : "\a");
    }

    enum class Mode { closed, open, listenOnly };

    int master_ = -1;
    std::string path_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> silent_{false};
    Mode mode_ = Mode::closed;  // the serving thread's own
    mutable std::mutex mutex_;
    std::mutex writeMutex_;
    std::vector<std::string> commands_;
    std::vector<std::string> sent_;
    std::vector<std::chrono::steady_clock::time_point> sentTimes_;
    std::thread thread_;
};
