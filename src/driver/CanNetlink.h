// CanNetlink.h: what the kernel knows about a CAN network interface, read
// and changed over rtnetlink: whether it is up, its bit rate and whether it
// only listens. Changing them needs root or CAP_NET_ADMIN, and a controller
// takes them only while its interface is down.
#pragma once

#include "base/Result.h"

#include <cstdint>
#include <string>
#include <variant>

namespace vorelin::driver {

struct CanLink {
    bool up = false;       // switched on (IFF_UP)
    bool running = false;  // up and able to carry frames (IFF_RUNNING)
    std::string kind;      // "can" for a CAN controller, "vcan" for a virtual bus, ...
    uint32_t bitrate = 0;  // bit/s; 0 where the interface has none
    bool listenOnly = false;

    bool isController() const { return kind == "can"; }
};

// The error names the interface and the reason.
Result<CanLink> readCanLink(const std::string& interface);

// Takes the interface down, sets the bit rate and listen-only mode, and
// brings it up again. Refused, with the reason in words a user can act on,
// for an interface that is not a CAN controller (a virtual bus has no bit
// rate) and for a process without the right to change it.
Result<std::monostate> setCanLink(const std::string& interface, uint32_t bitrate, bool listenOnly);

}  // namespace vorelin::driver
