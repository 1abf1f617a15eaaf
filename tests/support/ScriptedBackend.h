// ScriptedBackend.h: an adapter for tests that hands over exactly the frames
// a test queues, fails the calls a test names and records what it was asked.
#pragma once

#include "driver/Backend.h"

#include <deque>
#include <mutex>
#include <vector>

class ScriptedBackend : public vorelin::driver::Backend {
public:
    // Frames the next RecvData calls hand over, oldest first.
    void queue(const FrameRecord& record) {
        std::lock_guard lock(mutex_);
        queued_.push_back(record);
    }
    void failStart(bool fail) { failStart_ = fail; }

    int startCalls() const { return startCalls_; }
    int stopCalls() const { return stopCalls_; }
    int receiveCalls() const {
        std::lock_guard lock(mutex_);
        return receiveCalls_;
    }
    std::size_t queuedCount() const {
        std::lock_guard lock(mutex_);
        return queued_.size();
    }

    bool open() override { return true; }
    bool configure(uint32_t, uint32_t, uint32_t) override { return true; }
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
    int startCalls_ = 0;
    int stopCalls_ = 0;
};
