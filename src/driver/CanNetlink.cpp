#include "driver/CanNetlink.h"

#include <linux/can/netlink.h>
#include <linux/if_link.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>
#include <net/if.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cassert>
#include <cerrno>
#include <cstring>
#include <span>
#include <vector>

namespace vorelin::driver {

namespace {

// A request being built: the netlink header, the link message and nested
// attributes, each padded as netlink requires.
class LinkRequest {
public:
    LinkRequest(uint16_t type, uint16_t flags, int interfaceIndex) {
        nlmsghdr header{};
        header.nlmsg_type = type;
        header.nlmsg_flags = uint16_t(NLM_F_REQUEST | flags);
        header.nlmsg_seq = 1;
        append(&header, sizeof(header));
        ifinfomsg link{};
        link.ifi_family = AF_UNSPEC;
        link.ifi_index = interfaceIndex;
        append(&link, sizeof(link));
    }

    void setUpFlag(bool up) {
        auto* link = reinterpret_cast<ifinfomsg*>(bytes_.data() + NLMSG_HDRLEN);
        link->ifi_change = IFF_UP;
        link->ifi_flags = up ? IFF_UP : 0;
    }

    void attribute(uint16_t type, const void* data, std::size_t size) {
        rtattr header{};
        header.rta_type = type;
        header.rta_len = uint16_t(RTA_LENGTH(size));
        append(&header, sizeof(header));
        append(data, size);
    }
    // Opens a nested attribute; close it with end(), passing what this returned.
    std::size_t begin(uint16_t type) {
        const std::size_t start = size_;
        attribute(type, nullptr, 0);
        return start;
    }
    void end(std::size_t start) {
        reinterpret_cast<rtattr*>(bytes_.data() + start)->rta_len = uint16_t(size_ - start);
    }

    // The finished message.
    std::span<const unsigned char> bytes() {
        reinterpret_cast<nlmsghdr*>(bytes_.data())->nlmsg_len = uint32_t(size_);
        return {bytes_.data(), size_};
    }

private:
    void append(const void* data, std::size_t size) {
        // Our requests take a few dozen bytes; a larger one is a mistake of ours.
        assert(NLMSG_ALIGN(size_ + size) <= bytes_.size());
        if (size)
            std::memcpy(bytes_.data() + size_, data, size);
        size_ = NLMSG_ALIGN(size_ + size);
    }

    alignas(nlmsghdr) std::array<unsigned char, 256> bytes_{};
    std::size_t size_ = 0;
};

class RouteSocket {
public:
    RouteSocket() : fd_(socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, NETLINK_ROUTE)) {}
    ~RouteSocket() {
        if (fd_ >= 0)
            close(fd_);
    }
    RouteSocket(const RouteSocket&) = delete;
    RouteSocket& operator=(const RouteSocket&) = delete;

    // Sends the request and returns the kernel's answer: the link message
    // asked for, or the acknowledgement (error 0) of a change. Negative errno
    // on failure.
    int exchange(std::span<const unsigned char> request, std::vector<unsigned char>& answer) {
        if (fd_ < 0)
            return -errno;
        sockaddr_nl kernel{};
        kernel.nl_family = AF_NETLINK;
        if (sendto(fd_, request.data(), request.size(), 0, reinterpret_cast<sockaddr*>(&kernel), sizeof(kernel)) < 0)
            return -errno;
        answer.resize(16384);
        const ssize_t got = recv(fd_, answer.data(), answer.size(), 0);
        if (got < 0)
            return -errno;
        answer.resize(std::size_t(got));
        const auto* header = reinterpret_cast<const nlmsghdr*>(answer.data());
        if (!NLMSG_OK(header, uint32_t(got)))
            return -EPROTO;
        if (header->nlmsg_type == NLMSG_ERROR) {
            if (header->nlmsg_len < NLMSG_LENGTH(sizeof(nlmsgerr)))
                return -EPROTO;
            return static_cast<const nlmsgerr*>(NLMSG_DATA(header))->error;
        }
        return 0;
    }

private:
    int fd_;
};

// Calls `visit(type, payload, size)` for each attribute in [data, data + size).
template <class Visit>
void forEachAttribute(const void* data, std::size_t size, Visit visit) {
    auto* attribute = static_cast<const rtattr*>(data);
    auto left = static_cast<unsigned int>(size);
    for (; RTA_OK(attribute, left); attribute = RTA_NEXT(attribute, left))
        visit(attribute->rta_type & NLA_TYPE_MASK, RTA_DATA(attribute), std::size_t(RTA_PAYLOAD(attribute)));
}

void readCanData(const void* data, std::size_t size, CanLink& link) {
    forEachAttribute(data, size, [&](unsigned type, const void* payload, std::size_t length) {
        if (type == IFLA_CAN_BITTIMING && length >= sizeof(can_bittiming)) {
            can_bittiming timing;
            std::memcpy(&timing, payload, sizeof(timing));
            link.bitrate = timing.bitrate;
        } else if (type == IFLA_CAN_CTRLMODE && length >= sizeof(can_ctrlmode)) {
            can_ctrlmode mode;
            std::memcpy(&mode, payload, sizeof(mode));
            link.listenOnly = (mode.flags & CAN_CTRLMODE_LISTENONLY) != 0;
        }
    });
}

void readLinkInfo(const void* data, std::size_t size, CanLink& link) {
    forEachAttribute(data, size, [&](unsigned type, const void* payload, std::size_t length) {
        if (type == IFLA_INFO_KIND)
            link.kind.assign(static_cast<const char*>(payload), strnlen(static_cast<const char*>(payload), length));
        else if (type == IFLA_INFO_DATA)
            readCanData(payload, length, link);
    });
}

std::string failure(const std::string& interface, const std::string& what, int error) {
    return interface + ": " + what + ": " + std::strerror(error);
}

}  // namespace

Result<CanLink> readCanLink(const std::string& interface) {
    const int index = int(if_nametoindex(interface.c_str()));
    if (index == 0)
        return makeError("no network interface '" + interface + "'");
    LinkRequest request(RTM_GETLINK, 0, index);
    RouteSocket route;
    std::vector<unsigned char> answer;
    if (const int error = route.exchange(request.bytes(), answer); error < 0)
        return makeError(failure(interface, "cannot read its settings", -error));
    const auto* header = reinterpret_cast<const nlmsghdr*>(answer.data());
    if (header->nlmsg_type != RTM_NEWLINK || header->nlmsg_len < NLMSG_LENGTH(sizeof(ifinfomsg)))
        return makeError(interface + ": the kernel answered with something other than its settings");
    const auto* info = static_cast<const ifinfomsg*>(NLMSG_DATA(header));
    CanLink link;
    link.up = (info->ifi_flags & IFF_UP) != 0;
    link.running = (info->ifi_flags & IFF_RUNNING) != 0;
    forEachAttribute(IFLA_RTA(info), IFLA_PAYLOAD(header), [&](unsigned type, const void* payload, std::size_t length) {
        if (type == IFLA_LINKINFO)
            readLinkInfo(payload, length, link);
    });
    return link;
}

Result<std::monostate> setCanLink(const std::string& interface, uint32_t bitrate, bool listenOnly) {
    auto link = readCanLink(interface);
    if (!link)
        return link.error();
    if (!link->isController())
        return makeError(interface + " is " + (link->kind.empty() ? "not a CAN interface" : "a " + link->kind + " interface") +
                         ", which has no bit rate or listen-only mode to set");
    const int index = int(if_nametoindex(interface.c_str()));
    RouteSocket route;
    std::vector<unsigned char> answer;
    const auto switchLink = [&](bool up) {
        LinkRequest request(RTM_NEWLINK, NLM_F_ACK, index);
        request.setUpFlag(up);
        return route.exchange(request.bytes(), answer);
    };
    if (const int error = switchLink(false); error < 0) {
        if (error == -EPERM)
            return makeError(interface + ": changing its bit rate needs root or the CAP_NET_ADMIN capability "
                                         "(or set it beforehand: ip link set " +
                             interface + " type can bitrate " + std::to_string(bitrate) + ")");
        return makeError(failure(interface, "cannot take it down", -error));
    }
    LinkRequest request(RTM_NEWLINK, NLM_F_ACK, index);
    const std::size_t info = request.begin(IFLA_LINKINFO);
    request.attribute(IFLA_INFO_KIND, "can", 3);
    const std::size_t data = request.begin(IFLA_INFO_DATA);
    can_bittiming timing{};
    timing.bitrate = bitrate;
    request.attribute(IFLA_CAN_BITTIMING, &timing, sizeof(timing));
    can_ctrlmode mode{};
    mode.mask = CAN_CTRLMODE_LISTENONLY;
    mode.flags = listenOnly ? CAN_CTRLMODE_LISTENONLY : 0;
    request.attribute(IFLA_CAN_CTRLMODE, &mode, sizeof(mode));
    request.end(data);
    request.end(info);
    const int setError = route.exchange(request.bytes(), answer);
    // Up again even when the controller refused, so that it keeps working at its old settings.
    const int upError = switchLink(true);
    if (setError < 0)
        return makeError(failure(interface, "the controller refused a bit rate of " + std::to_string(bitrate) +
                                                (listenOnly ? " bit/s, listen-only" : " bit/s"),
                                 -setError));
    if (upError < 0)
        return makeError(failure(interface, "cannot bring it up again", -upError));
    return std::monostate{};
}

}  // namespace vorelin::driver
