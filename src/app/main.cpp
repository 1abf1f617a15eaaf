// vorelin: the desktop monitor. Parses the command line, picks the adapter
// backend and wires the capture core to its window.
#include "app/widgets/DataListHostWindow.h"
#include "app/widgets/MessageBoxSink.h"
#include "core/CDataDoc.h"
#include "core/CaptureState.h"
#include "core/ReceiveTimer.h"
#include "device/DeviceSettings.h"
#include "driver/Backend.h"
#include "driver/KeshApi.h"
#include "filters/FilterState.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr uint32_t kDefaultBaudRateKbps = 500;
constexpr uint32_t kStandardFrames = 1;
}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vorelin"));

    QCommandLineParser options;
    options.addHelpOption();
    const char* fromEnvironment = std::getenv("VORELIN_ADAPTER");
    const QCommandLineOption adapterOption(
        QStringLiteral("adapter"), QStringLiteral("Adapter backend, e.g. sim or sim:rate=21000,mix=canopen."),
        QStringLiteral("selector"),
        fromEnvironment && *fromEnvironment ? QString::fromLocal8Bit(fromEnvironment) : QStringLiteral("sim"));
    options.addOption(adapterOption);
    options.process(application);

    const std::string selector = options.value(adapterOption).toStdString();
    auto backend = vorelin::driver::makeBackend(selector);
    if (!backend) {
        std::fprintf(stderr, "vorelin: %s\n", backend.error().text.c_str());
        return 2;
    }
    vorelin::driver::installBackend(std::move(*backend));

    CaptureState capture;
    ReceiveTimer receiveTimer(capture);
    FilterState filter;
    DeviceSettings device;
    // Until the Device Setup dialog exists, the adapter starts with the
    // settings that dialog offers by default.
    if (KESH_INIT() && SetKESH(0, kDefaultBaudRateKbps, 0, kStandardFrames)) {
        device.baudRate = kDefaultBaudRateKbps;
        device.configured = true;
    }
    MessageBoxSink messages;
    CDataDoc document(capture, receiveTimer);
    DataListHostWindow window(capture, filter, document, device, messages);
    messages.setApplicationWindow(&window);
    window.show();
    window.startCapture();
    const int status = application.exec();
    receiveTimer.stop();
    return status;
}
