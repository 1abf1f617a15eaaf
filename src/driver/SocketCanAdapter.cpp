#include "driver/SocketCanAdapter.h"

#include "driver/CanInterfaces.h"
#include "driver/CanNetlink.h"
#include "driver/CanWire.h"

#include <linux/can.h>
#include <linux/can/bcm.h>
#include <linux/can/raw.h>
#include <linux/errqueue.h>
#include <linux/net_tstamp.h>
#include <net/if.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <vector>

namespace vorelin::driver {

namespace {

constexpr uint32_t kMaxWorkMode = 1;
constexpr uint32_t kStandardFrameType = 1;
constexpr uint32_t kExtendedFrameType = 2;
constexpr uint32_t kBitsPerKbit = 1000;
// Frames read from the socket in one call.
constexpr unsigned kReadBatch = 64;
// What the socket may hold while the reader is held up; the kernel caps it
// for processes without CAP_NET_ADMIN.
constexpr int kReceiveBufferBytes = 8 << 20;

uint64_t nsOf(const timespec& time) { return uint64_t(time.tv_sec) * 1'000'000'000u + uint64_t(time.tv_nsec); }

// The kernel stamps frames with the wall clock.
uint64_t wallClockNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return nsOf(now);
}

can_frame kernelFrame(const CanFrame& frame) {
    const CanFrame wire = wireImage(frame);
    can_frame out{};
    out.can_id = wire.identifier | (wire.extended ? CAN_EFF_FLAG : 0u) | (wire.remote ? CAN_RTR_FLAG : 0u);
    out.len = wire.length;
    std::memcpy(out.data, wire.data, sizeof(out.data));
    return out;
}

CanFrame ourFrame(const can_frame& frame) {
    CanFrame out;
    out.extended = (frame.can_id & CAN_EFF_FLAG) ? 1 : 0;
    out.remote = (frame.can_id & CAN_RTR_FLAG) ? 1 : 0;
    out.identifier = frame.can_id & (out.extended ? CAN_EFF_MASK : CAN_SFF_MASK);
    out.length = std::min<uint8_t>(frame.len, 8);
    std::memcpy(out.data, frame.data, sizeof(out.data));
    return wireImage(out);
}

bool sameFrame(const CanFrame& a, const CanFrame& b) { return std::memcmp(&a, &b, sizeof(CanFrame)) == 0; }

bcm_timeval bcmTime(uint64_t ms) {
    bcm_timeval time{};
    time.tv_sec = long(ms / 1000);
    time.tv_usec = long(ms % 1000 * 1000);
    return time;
}

std::string systemError(const std::string& what) { return what + ": " + std::strerror(errno); }

// One message read from the socket, its frame and what came with it.
struct ControlBuffer {
    alignas(cmsghdr) std::array<char, CMSG_SPACE(sizeof(timespec)) + CMSG_SPACE(sizeof(scm_timestamping)) +
                                          CMSG_SPACE(sizeof(uint32_t))>
        bytes;
};

}  // namespace

struct SocketCanAdapter::Received {
    canfd_frame frame{};
    std::size_t size = 0;
    int flags = 0;
    uint64_t kernelNs = 0;    // the kernel's stamp; 0: none
    uint64_t hardwareNs = 0;  // the controller's stamp; 0: none
    std::optional<uint32_t> kernelDrops;
};

Result<SocketCanOptions> parseSocketCanOptions(const BackendSelector& selector) {
    const std::string usage = " (expected socketcan:IFACE)";
    auto options = selector.options();
    if (!options)
        return options.error();
    SocketCanOptions parsed;
    parsed.selector = std::string(selector.text());
    for (const SelectorOption& option : *options) {
        if (option.value)
            return makeError("socketcan: unknown option '" + std::string(option.key) + "'" + usage);
        if (!parsed.interface.empty())
            return makeError("socketcan: two interfaces, '" + parsed.interface + "' and '" +
                             std::string(option.key) + "'");
        if (option.key.size() >= IFNAMSIZ)
            return makeError("socketcan: '" + std::string(option.key) + "' is longer than an interface name can be");
        parsed.interface = std::string(option.key);
    }
    if (parsed.interface.empty())
        return makeError("socketcan: no interface" + usage);
    return parsed;
}

SocketCanAdapter::SocketCanAdapter(SocketCanOptions options) : options_(std::move(options)), epochNs_(wallClockNs()) {}

SocketCanAdapter::~SocketCanAdapter() {
    std::lock_guard turn(callMutex_);
    closeSockets();
}

bool SocketCanAdapter::fail(std::string reason) {
    failureReason_ = "socketcan: " + std::move(reason);
    return false;
}

std::string SocketCanAdapter::failureReason() const {
    std::lock_guard turn(callMutex_);
    return failureReason_;
}

std::vector<DeviceChoice> SocketCanAdapter::deviceChoices() const {
    std::vector<DeviceChoice> choices;
    for (const std::string& name : canInterfaceNames())
        choices.push_back({name, "socketcan:" + name, name == options_.interface});
    if (std::none_of(choices.begin(), choices.end(), [](const DeviceChoice& choice) { return choice.inUse; }))
        choices.insert(choices.begin(), {options_.interface, options_.selector, true});
    return choices;
}

void SocketCanAdapter::closeSockets() {
    if (reader_.joinable()) {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t woken = write(wakeReader_, &one, sizeof(one));
        reader_.join();
    }
    disarmCyclic();
    // Closing the broadcast manager's socket ends its cyclic sending.
    for (int* fd : {&rawSocket_, &bcmSocket_, &wakeReader_}) {
        if (*fd >= 0)
            close(*fd);
        *fd = -1;
    }
    std::lock_guard lock(mutex_);
    interfaceGone_ = true;
    running_ = false;
    loopedCyclicCount_ = 0;
}

bool SocketCanAdapter::open() {
    std::lock_guard turn(callMutex_);
    {
        // Device Setup asks every second whether the adapter is there.
        std::lock_guard lock(mutex_);
        if (rawSocket_ >= 0 && !interfaceGone_)
            return true;
    }
    closeSockets();
    const int index = int(if_nametoindex(options_.interface.c_str()));
    if (index == 0) {
        const std::vector<std::string> found = canInterfaceNames();
        std::string names;
        for (const std::string& name : found)
            names += (names.empty() ? "" : ", ") + name;
        return fail("no interface '" + options_.interface + "' (" +
                    (found.empty() ? std::string("this machine has no CAN interfaces") : "CAN interfaces here: " + names) +
                    ")");
    }
    rawSocket_ = socket(PF_CAN, SOCK_RAW | SOCK_CLOEXEC, CAN_RAW);
    if (rawSocket_ < 0)
        return fail(systemError("this system cannot open CAN sockets"));
    const int on = 1;
    // Counted, never stored: error frames and CAN FD frames.
    const can_err_mask_t errors = CAN_ERR_MASK;
    setsockopt(rawSocket_, SOL_CAN_RAW, CAN_RAW_ERR_FILTER, &errors, sizeof(errors));
    setsockopt(rawSocket_, SOL_CAN_RAW, CAN_RAW_FD_FRAMES, &on, sizeof(on));
    // Our own sends come back when they went out, to be reported as sent.
    setsockopt(rawSocket_, SOL_CAN_RAW, CAN_RAW_RECV_OWN_MSGS, &on, sizeof(on));
    setsockopt(rawSocket_, SOL_SOCKET, SO_TIMESTAMPNS, &on, sizeof(on));
    const int hardwareStamps = SOF_TIMESTAMPING_RX_HARDWARE | SOF_TIMESTAMPING_RAW_HARDWARE;
    setsockopt(rawSocket_, SOL_SOCKET, SO_TIMESTAMPING, &hardwareStamps, sizeof(hardwareStamps));
    setsockopt(rawSocket_, SOL_SOCKET, SO_RXQ_OVFL, &on, sizeof(on));
    if (setsockopt(rawSocket_, SOL_SOCKET, SO_RCVBUFFORCE, &kReceiveBufferBytes, sizeof(kReceiveBufferBytes)) != 0)
        setsockopt(rawSocket_, SOL_SOCKET, SO_RCVBUF, &kReceiveBufferBytes, sizeof(kReceiveBufferBytes));
    sockaddr_can address{};
    address.can_family = AF_CAN;
    address.can_ifindex = index;
    if (bind(rawSocket_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        const bool failed = fail(systemError("cannot receive on " + options_.interface));
        closeSockets();
        return failed;
    }
    bcmSocket_ = socket(PF_CAN, SOCK_DGRAM | SOCK_CLOEXEC, CAN_BCM);
    if (bcmSocket_ < 0 || connect(bcmSocket_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        const bool failed = fail(systemError("cannot send cyclically on " + options_.interface));
        closeSockets();
        return failed;
    }
    wakeReader_ = eventfd(0, EFD_CLOEXEC);
    if (wakeReader_ < 0) {
        const bool failed = fail(systemError("cannot start reading"));
        closeSockets();
        return failed;
    }
    {
        std::lock_guard lock(mutex_);
        interfaceGone_ = false;
    }
    reader_ = std::thread([this] { readSocket(); });
    return true;
}

void SocketCanAdapter::readSocket() {
    std::array<canfd_frame, kReadBatch> frames{};
    std::array<iovec, kReadBatch> pieces{};
    std::array<ControlBuffer, kReadBatch> controls{};
    std::array<mmsghdr, kReadBatch> messages{};
    std::array<pollfd, 2> waits = {{{rawSocket_, POLLIN, 0}, {wakeReader_, POLLIN, 0}}};
    for (;;) {
        if (poll(waits.data(), waits.size(), -1) < 0 && errno != EINTR)
            break;
        if (waits[1].revents != 0)
            return;
        for (unsigned i = 0; i < kReadBatch; ++i) {
            pieces[i] = {&frames[i], sizeof(canfd_frame)};
            messages[i] = {};
            messages[i].msg_hdr.msg_iov = &pieces[i];
            messages[i].msg_hdr.msg_iovlen = 1;
            messages[i].msg_hdr.msg_control = controls[i].bytes.data();
            messages[i].msg_hdr.msg_controllen = controls[i].bytes.size();
        }
        const int got = recvmmsg(rawSocket_, messages.data(), kReadBatch, MSG_DONTWAIT, nullptr);
        if (got < 0) {
            // A controller taken down reports it once; frames follow when it is up again.
            if (errno == EAGAIN || errno == EINTR || errno == ENETDOWN)
                continue;
            break;
        }
        std::lock_guard lock(mutex_);
        for (int i = 0; i < got; ++i) {
            Received message;
            message.frame = frames[std::size_t(i)];
            message.size = messages[std::size_t(i)].msg_len;
            message.flags = messages[std::size_t(i)].msg_hdr.msg_flags;
            msghdr& header = messages[std::size_t(i)].msg_hdr;
            for (cmsghdr* part = CMSG_FIRSTHDR(&header); part; part = CMSG_NXTHDR(&header, part)) {
                if (part->cmsg_level != SOL_SOCKET)
                    continue;
                if (part->cmsg_type == SCM_TIMESTAMPNS) {
                    timespec stamp;
                    std::memcpy(&stamp, CMSG_DATA(part), sizeof(stamp));
                    message.kernelNs = nsOf(stamp);
                } else if (part->cmsg_type == SCM_TIMESTAMPING) {
                    scm_timestamping stamps;
                    std::memcpy(&stamps, CMSG_DATA(part), sizeof(stamps));
                    message.hardwareNs = nsOf(stamps.ts[2]);
                } else if (part->cmsg_type == SO_RXQ_OVFL) {
                    uint32_t drops = 0;
                    std::memcpy(&drops, CMSG_DATA(part), sizeof(drops));
                    message.kernelDrops = drops;
                }
            }
            take(message);
        }
    }
    // The interface is gone (or the socket failed): calls fail until KESH_INIT opens it again.
    std::lock_guard lock(mutex_);
    interfaceGone_ = true;
}

void SocketCanAdapter::take(const Received& message) {
    if (message.kernelDrops) {
        // The kernel counts since the socket opened; the counter may wrap.
        if (running_)
            arrivals_.addDropped(uint32_t(*message.kernelDrops - kernelDropsSeen_));
        kernelDropsSeen_ = *message.kernelDrops;
    }
    if (message.size != CAN_MTU) {
        fdFrames_ += running_ && message.size == CANFD_MTU;
        return;
    }
    can_frame kernel;
    std::memcpy(&kernel, &message.frame, sizeof(kernel));
    if (kernel.can_id & CAN_ERR_FLAG) {
        errorFrames_ += running_;
        return;
    }
    uint64_t stampNs = message.kernelNs ? message.kernelNs : wallClockNs();
    if (message.hardwareNs) {
        // The controller's clock counts from its own start: anchor it to the
        // kernel's once per capture and keep its finer steps.
        if (!hardwareOffsetNs_)
            hardwareOffsetNs_ = int64_t(stampNs) - int64_t(message.hardwareNs);
        stampNs = uint64_t(int64_t(message.hardwareNs) + *hardwareOffsetNs_);
    }
    const CanFrame frame = ourFrame(kernel);
    const bool ownSend = (message.flags & MSG_CONFIRM) != 0;
    const bool ownCyclic =
        (message.flags & MSG_DONTROUTE) != 0 &&
        std::any_of(loopedCyclic_.begin(), loopedCyclic_.begin() + loopedCyclicCount_,
                    [&](const CanFrame& cyclic) { return sameFrame(cyclic, frame); });
    if (ownSend || ownCyclic) {
        const uint64_t sinceEpochUs = (stampNs - std::min(stampNs, epochNs_)) / 1000;
        sent_.record({frame, sinceEpochUs, ownSend ? TransmitOrigin::single : TransmitOrigin::cyclic});
        arrivals_.addBusy(frame, stampNs);
        return;
    }
    if (running_)
        arrivals_.add(frame, stampNs);
}

bool SocketCanAdapter::configure(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) {
    std::lock_guard turn(callMutex_);
    if (baudRateKbps == 0 || workMode > kMaxWorkMode ||
        (frameType != kStandardFrameType && frameType != kExtendedFrameType))
        return fail("settings out of range: " + std::to_string(baudRateKbps) + " kbit/s, work mode " +
                    std::to_string(workMode) + ", frame type " + std::to_string(frameType));
    const uint32_t bitrate = baudRateKbps * kBitsPerKbit;
    const bool listenOnly = workMode == 1;
    const auto link = readCanLink(options_.interface);
    if (!link)
        return fail(link.error().text);
    // An interface set up by its owner needs no rights to be used as it is.
    if (link->isController() && link->bitrate == bitrate && link->listenOnly == listenOnly)
        return true;
    const auto set = setCanLink(options_.interface, bitrate, listenOnly);
    return set ? true : fail(set.error().text);
}

bool SocketCanAdapter::readInfo(AdapterInfo& info) {
    std::lock_guard turn(callMutex_);
    const auto link = readCanLink(options_.interface);
    if (!link)
        return fail(link.error().text);
    info.status = link->up && link->running ? 1 : 0;
    info.baudRateKbps = link->bitrate / kBitsPerKbit;
    info.firmware = 0;
    return true;
}

bool SocketCanAdapter::start() {
    std::lock_guard turn(callMutex_);
    const auto link = readCanLink(options_.interface);
    if (!link)
        return fail(link.error().text);
    if (!link->up)
        return fail(options_.interface + " is down (ip link set " + options_.interface + " up)");
    std::lock_guard lock(mutex_);
    if (interfaceGone_)
        return fail(options_.interface + " is not open");
    running_ = true;
    epochNs_ = wallClockNs();
    arrivals_.restart(epochNs_, link->bitrate / kBitsPerKbit);
    hardwareOffsetNs_.reset();
    errorFrames_ = 0;
    fdFrames_ = 0;
    return true;
}

bool SocketCanAdapter::stop() {
    std::lock_guard lock(mutex_);
    running_ = false;
    return !interfaceGone_;
}

bool SocketCanAdapter::receive(FrameRecord* buffer, int capacity, int& count) {
    std::lock_guard lock(mutex_);
    count = 0;
    if (!buffer || interfaceGone_)
        return false;
    count = arrivals_.take(buffer, capacity);
    return true;
}

bool SocketCanAdapter::sendSingle(const CanFrame& frame) {
    std::lock_guard turn(callMutex_);
    if (!isTransmittable(frame))
        return fail("this frame cannot go on a CAN bus");
    if (rawSocket_ < 0)
        return fail(options_.interface + " is not open");
    const can_frame kernel = kernelFrame(frame);
    if (send(rawSocket_, &kernel, sizeof(kernel), MSG_DONTWAIT) != ssize_t(sizeof(kernel)))
        return fail(systemError(options_.interface + " did not take the frame"));
    return true;
}

bool SocketCanAdapter::setCyclic(const CanFrame* frames, uint32_t count, uint32_t intervalMs, uint32_t cycleMs) {
    const std::optional<CyclicFrames> images = cyclicWireImages(frames, count);
    std::lock_guard turn(callMutex_);
    if (!images)
        return fail("no more than " + std::to_string(CyclicSchedule::kMaxFrames) + " frames, each fit for a CAN bus");
    cyclicFrames_ = *images;
    cyclicCount_ = count;
    intervalMs_ = intervalMs;
    cycleMs_ = cycleMs;
    // While sending, the new list starts over at once.
    return armedOps_ == 0 || armCyclic();
}

bool SocketCanAdapter::startCyclic() {
    std::lock_guard turn(callMutex_);
    return armCyclic();
}

bool SocketCanAdapter::stopCyclic() {
    std::lock_guard turn(callMutex_);
    if (bcmSocket_ < 0)
        return fail(options_.interface + " is not open");
    disarmCyclic();
    // Frames like them are someone else's from now on.
    std::lock_guard lock(mutex_);
    loopedCyclicCount_ = 0;
    return true;
}

std::vector<unsigned char> SocketCanAdapter::timerSetup(uint32_t key, uint64_t everyMs, uint32_t firstFrame,
                                                        uint32_t frameCount) const {
    bcm_msg_head head{};
    head.opcode = TX_SETUP;
    head.can_id = key;
    head.nframes = frameCount;
    // Starting the timer sends the first frame at once.
    head.flags = SETTIMER | STARTTIMER;
    head.ival2 = bcmTime(everyMs);
    // The header ends in its frames, which the kernel reads right after it.
    std::vector<unsigned char> setup(sizeof(head) + frameCount * sizeof(can_frame));
    std::memcpy(setup.data(), &head, sizeof(head));
    for (uint32_t i = 0; i < frameCount; ++i) {
        const can_frame frame = kernelFrame(cyclicFrames_[firstFrame + i]);
        std::memcpy(setup.data() + sizeof(head) + i * sizeof(frame), &frame, sizeof(frame));
    }
    return setup;
}

bool SocketCanAdapter::armCyclic() {
    if (bcmSocket_ < 0)
        return fail(options_.interface + " is not open");
    {
        std::lock_guard lock(mutex_);
        loopedCyclic_ = cyclicFrames_;
        loopedCyclicCount_ = cyclicCount_;
    }
    // The kernel refuses to grow a timer's frame list: start afresh.
    disarmCyclic();
    if (cyclicCount_ == 0)
        return true;
    const uint64_t evenCycleMs = uint64_t(cyclicCount_) * intervalMs_;
    std::vector<std::vector<unsigned char>> timers;
    if (cyclicCount_ == 1 || (intervalMs_ > 0 && cycleMs_ <= evenCycleMs)) {
        // Evenly spaced frames are one kernel timer going over the list,
        // which keeps them in step however long it runs.
        const uint64_t tickMs = cyclicCount_ == 1 ? std::max<uint64_t>(cycleMs_, 1) : intervalMs_;
        timers.push_back(timerSetup(0, tickMs, 0, cyclicCount_));
    } else {
        // One timer a frame, told apart by the key in their header.
        for (uint32_t i = 0; i < cyclicCount_; ++i)
            timers.push_back(timerSetup(i, std::max<uint64_t>(cycleMs_, 1), i, 1));
    }
    armedOps_ = uint32_t(timers.size());
    if (write(bcmSocket_, timers[0].data(), timers[0].size()) != ssize_t(timers[0].size())) {
        const bool failed = fail(systemError(options_.interface + " refused cyclic sending"));
        disarmCyclic();
        return failed;
    }
    if (timers.size() == 1)
        return true;
    // A kernel timer sends its first frame when it starts: the later frames'
    // timers start at their offsets into the first pass.
    const auto firstPass = std::chrono::steady_clock::now();
    cancelStarts_ = false;
    starter_ = std::thread([this, firstPass, fd = bcmSocket_, intervalMs = intervalMs_, timers = std::move(timers)] {
        std::unique_lock lock(startMutex_);
        for (std::size_t i = 1; i < timers.size(); ++i) {
            const auto due = firstPass + std::chrono::milliseconds(uint64_t(i) * intervalMs);
            if (startsCancelled_.wait_until(lock, due, [this] { return cancelStarts_; }))
                return;
            [[maybe_unused]] const ssize_t written = write(fd, timers[i].data(), timers[i].size());
        }
    });
    return true;
}

void SocketCanAdapter::disarmCyclic() {
    if (starter_.joinable()) {
        {
            std::lock_guard lock(startMutex_);
            cancelStarts_ = true;
        }
        startsCancelled_.notify_all();
        starter_.join();
    }
    for (uint32_t i = 0; i < armedOps_; ++i) {
        bcm_msg_head remove{};
        remove.opcode = TX_DELETE;
        remove.can_id = i;
        [[maybe_unused]] const ssize_t written = write(bcmSocket_, &remove, sizeof(remove));
    }
    armedOps_ = 0;
}

AdapterStats SocketCanAdapter::stats() {
    std::lock_guard lock(mutex_);
    AdapterStats stats = arrivals_.stats();
    stats.errorFrames = errorFrames_;
    stats.fdFrames = fdFrames_;
    return stats;
}

TransmittedFrames SocketCanAdapter::transmitted() {
    std::lock_guard lock(mutex_);
    return sent_.snapshot();
}

}  // namespace vorelin::driver
