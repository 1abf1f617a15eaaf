// PeerSocket.h: another node on a kernel CAN interface, for the tests and
// benchmarks that run in the test guest: a CAN_RAW socket that sends frames
// and receives them with the kernel's time stamps.
#pragma once

#include "base/FrameRecord.h"

#include <linux/can.h>
#include <linux/can/raw.h>
#include <net/if.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

struct PeerFrame {
    can_frame frame{};
    uint64_t stampNs = 0;  // the kernel's stamp
};

class PeerSocket {
public:
    explicit PeerSocket(const std::string& interface) : fd_(socket(PF_CAN, SOCK_RAW | SOCK_CLOEXEC, CAN_RAW)) {
        const int on = 1;
        setsockopt(fd_, SOL_CAN_RAW, CAN_RAW_FD_FRAMES, &on, sizeof(on));
        setsockopt(fd_, SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof(on));
        const int buffer = 8 << 20;
        setsockopt(fd_, SOL_SOCKET, SO_RCVBUFFORCE, &buffer, sizeof(buffer));
        sockaddr_can address{};
        address.can_family = AF_CAN;
        address.can_ifindex = int(if_nametoindex(interface.c_str()));
        bound_ = fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    }
    ~PeerSocket() {
        if (fd_ >= 0)
            close(fd_);
    }
    PeerSocket(const PeerSocket&) = delete;
    PeerSocket& operator=(const PeerSocket&) = delete;

    bool ready() const { return bound_; }

    // Whether the kernel took the bytes, a can_frame or a canfd_frame.
    bool sendBytes(const void* bytes, std::size_t size) { return write(fd_, bytes, size) == ssize_t(size); }
    bool send(const CanFrame& frame) {
        can_frame out{};
        out.can_id = frame.identifier | (frame.extended ? CAN_EFF_FLAG : 0u) | (frame.remote ? CAN_RTR_FLAG : 0u);
        out.len = frame.length;
        std::memcpy(out.data, frame.data, sizeof(out.data));
        return sendBytes(&out, sizeof(out));
    }

    // The next classic frame within `waitMs`.
    std::optional<PeerFrame> receive(int waitMs) {
        pollfd wait{fd_, POLLIN, 0};
        if (poll(&wait, 1, waitMs) != 1)
            return std::nullopt;
        PeerFrame got;
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(timespec))];
        iovec piece{&got.frame, sizeof(got.frame)};
        msghdr header{};
        header.msg_iov = &piece;
        header.msg_iovlen = 1;
        header.msg_control = control;
        header.msg_controllen = sizeof(control);
        if (recvmsg(fd_, &header, 0) != ssize_t(sizeof(can_frame)))
            return std::nullopt;
        for (cmsghdr* part = CMSG_FIRSTHDR(&header); part; part = CMSG_NXTHDR(&header, part)) {
            if (part->cmsg_level == SOL_SOCKET && part->cmsg_type == SCM_TIMESTAMPNS) {
                timespec stamp;
                std::memcpy(&stamp, CMSG_DATA(part), sizeof(stamp));
                got.stampNs = uint64_t(stamp.tv_sec) * 1'000'000'000u + uint64_t(stamp.tv_nsec);
            }
        }
        return got;
    }

    // Throws away what has arrived so far.
    void drain() {
        while (receive(0)) {
        }
    }

private:
    int fd_;
    bool bound_ = false;
};

// Sends `total` frames numbered 0, 1, ... in their first four data bytes,
// `perMs` of them each millisecond on absolute deadlines, waiting out a full
// send queue: the sender of the tests and benchmarks that count losses.
inline void sendNumberedFrames(PeerSocket& sender, uint32_t total, uint32_t perMs) {
    auto due = std::chrono::steady_clock::now();
    for (uint32_t i = 0; i < total; ++i) {
        if (i % perMs == 0) {
            due += std::chrono::milliseconds(1);
            std::this_thread::sleep_until(due);
        }
        CanFrame frame;
        frame.identifier = 0x100;
        frame.length = sizeof(i);
        std::memcpy(frame.data, &i, sizeof(i));
        while (!sender.send(frame))
            std::this_thread::yield();
    }
}
