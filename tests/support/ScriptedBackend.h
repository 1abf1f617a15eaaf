// ScriptedBackend.h: an adapter for tests that hands over exactly the frames
// a test queues, fails the calls a test names and records what it was asked.
#pragma once

#include "driver/Backend.h"

#include <deque>
#include <mutex>
#include <vector>

class ScriptedBackend : public vorelin::driver::Backend {
public:
    // The arguments of one SetKESH call.
    struct Configuration {
        uint32_t baudRateKbps = 0;
        uint32_t workMode = 0;
        uint32_t frameType = 0;
        bool operator==(const Configuration&) const = default;
    };

    // Frames the next RecvData calls hand over, oldest first.
    void queue(const FrameRecord& record) {
        std::lock_guard lock(mutex_);
        queued_.push_back(record);
    }
    void failStart(bool fail) { failStart_ = fail; }
    // An adapter that does not answer KESH_INIT, as if unplugged.
    void failOpen(bool fail) { failOpen_ = fail; }
    void failConfigure(bool fail) { failConfigure_ = fail; }

    int startCalls() const { return startCalls_; }
    int stopCalls() const { return stopCalls_; }
    int receiveCalls() const {
        std::lock_guard lock(mutex_);
        return receiveCalls_;
    }
    const std::vector<Configuration>& configurations() const { return configurations_; }
    std::size_t queuedCount() const {
        std::lock_guard lock(mutex_);
        return queued_.size();
    }

    bool open() override { return !failOpen_; }
    bool configure(uint32_t baudRateKbps, uint32_t workMode, uint32_t frameType) override {
        configurations_.push_back({baudRateKbps, workMode, frameType});
        return !failConfigure_;
    }
    bool readInfo(vorelin::driver::AdapterInfo&) override { return true; }
    bool start() override {
        ++startCalls_;
        return !failStart_;
    }
    bool stop() override {
        ++stopCalls_;
        return true;
    }
    bool receive(FrameRecord* buffer, int capacity, int& count) override {
        std::lock_guard lock(mutex_);
        ++receiveCalls_;
        count = 0;
        while (count < capacity && !queued_.empty()) {
            buffer[count++] = queued_.front();
            queued_.pop_front();
        }
        return true;
    }
    bool sendSingle(const CanFrame&) override { return true; }
    bool setCyclic(const CanFrame*, uint32_t, uint32_t, uint32_t) override { return true; }
    bool startCyclic() override { return true; }
    bool stopCyclic() override { return true; }
    vorelin::driver::AdapterStats stats() override { return {}; }
    std::string description() const override { return "scripted"; }

private:
    mutable std::mutex mutex_;
    std::deque<FrameRecord> queued_;
    int receiveCalls_ = 0;
    bool failStart_ = false;
    bool failOpen_ = false;
    bool failConfigure_ = false;
    std::vector<Configuration> configurations_;
    int startCalls_ = 0;
    int stopCalls_ = 0;
};
