#include "cli/TimedCapture.h"

#include "cli/AdapterSetup.h"
#include "core/CaptureCommands.h"
#include "core/CaptureState.h"
#include "core/ReceiveTick.h"
#include "core/ReceiveTimer.h"
#include "device/DeviceSettings.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"

#include <memory>
#include <thread>

Result<TimedCaptureReport> runTimedCapture(const TimedCaptureOptions& options, MessageSink& messages) {
    const auto baudRateKbps = setUpAdapter(options.adapter, options.baudRateKbps);
    if (!baudRateKbps)
        return baudRateKbps.error();
    DeviceSettings device;
    device.baudRate = int32_t(*baudRateKbps);
    device.configured = true;

    CaptureState capture;
    ReceiveTimer receiveTimer(capture);
    receiveTimer.start();
    const auto started = std::chrono::steady_clock::now();
    startCapture(capture, device.configured, messages);
    std::this_thread::sleep_for(options.duration);

    TimedCaptureReport report;
    receiveTimer.stop();
    report.receiveCpuTime = receiveTimer.thread().cpuTime();
    report.lateTicks = receiveTimer.thread().skippedTickCount();
    StopKESH();
    // What the adapter received before it stopped is still in its FIFO.
    while (runReceiveTick(capture).received > 0) {
    }
    report.elapsed = std::chrono::steady_clock::now() - started;

    const vorelin::driver::AdapterStats stats = vorelin::driver::currentBackend()->stats();
    report.framesOnBus = stats.framesOnBus;
    report.framesStored = capture.store.count();
    // Whatever the FIFO still holds after the drain could not be fetched (a
    // failing RecvData): it never reaches the store, so it is lost.
    report.framesLost = stats.framesDropped + stats.framesQueued + capture.store.refusedCount();
    report.failedReceiveCalls = capture.failedReceiveCalls.load(std::memory_order_relaxed);
    return report;
}
