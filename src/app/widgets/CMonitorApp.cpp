#include "app/widgets/CMonitorApp.h"

#include "app/ProgramState.h"
#include "app/RecentFileList.h"
#include "app/widgets/AppEnvironment.h"
#include "app/widgets/CMainFrame.h"
#include "app/widgets/MessageBoxSink.h"
#include "app/widgets/RecentFileSettings.h"
#include "app/widgets/SingleInstance.h"
#include "app/widgets/ToolbarIcon.h"
#include "core/ReceiveTimer.h"
#include "core/StringTable.h"
#include "device/ConfigureIni.h"
#include "driver/Backend.h"
#include "views/widgets/TableText.h"

#include <QCommandLineParser>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr std::size_t kRecentFileCapacity = 4;

QString defaultAdapterSelector() {
    const char* fromEnvironment = std::getenv("VORELIN_ADAPTER");
    return fromEnvironment && *fromEnvironment ? QString::fromLocal8Bit(fromEnvironment) : QStringLiteral("sim");
}

void reportError(const QString& text) { std::fprintf(stderr, "vorelin: %s\n", qPrintable(text)); }

}  // namespace

CMonitorApp::CMonitorApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(tableText(strings::kAppTitle));
    setApplicationVersion(QStringLiteral(VORELIN_VERSION));
    setOrganizationName(QStringLiteral("Vorelin Applications"));
    setWindowIcon(applicationIcon());
}

int CMonitorApp::run() {
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Monitor and analyser for a CAN bus."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption adapterOption(
        QStringLiteral("adapter"),
        QStringLiteral("Adapter backend to use, e.g. sim or sim:rate=5000,mix=canopen (default: $VORELIN_ADAPTER, "
                       "else sim)."),
        QStringLiteral("selector"), defaultAdapterSelector());
    options.addOption(adapterOption);
    options.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Capture file to open."),
                                  QStringLiteral("[file]"));
    options.process(*this);
    if (options.positionalArguments().size() > 1) {
        reportError(QStringLiteral("at most one capture file may be named"));
        return kExitUsage;
    }

    auto backend = vorelin::driver::makeBackend(options.value(adapterOption).toStdString());
    if (!backend) {
        reportError(QString::fromStdString(backend.error().text));
        return kExitUsage;
    }
    const QString adapterDescription = QString::fromStdString((*backend)->description());
    vorelin::driver::installBackend(std::move(*backend));

    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), applicationName());
    switch (instance.claim()) {
    case SingleInstance::Claim::laterCopy:
        instance.askFirstCopyToComeForward();
        return EXIT_SUCCESS;
    case SingleInstance::Claim::unavailable:
        reportError(QStringLiteral("cannot make sure that only one copy runs: %1").arg(instance.lockError()));
        return kExitFailure;
    case SingleInstance::Claim::firstCopy:
        break;
    }

    QSettings settings;
    RecentFileList recentFiles(kRecentFileCapacity);
    loadRecentFiles(settings, recentFiles);

    ProgramState state;
    ReceiveTimer receiveTimer(state.capture);
    MessageBoxSink messages;
    const QString executableDir = applicationDirPath();
    AppEnvironment environment{applicationVersion(), executableDir, configureIniPath(executableDir.toStdString()),
                               adapterDescription};
    int status = EXIT_SUCCESS;
    {
        CMainFrame frame(state, receiveTimer, messages, environment, recentFiles);
        messages.setApplicationWindow(&frame);
        connect(&instance, &SingleInstance::comeForwardRequested, &frame,
                [&frame] { bringForwardIfTitled(&frame, tableText(strings::kAppTitle)); });
        const QStringList files = options.positionalArguments();
        if (!files.isEmpty() && !frame.openDocumentFile(files.first())) {
            status = kExitFailure;
        } else {
            frame.show();
            status = exec();
        }
        messages.setApplicationWindow(nullptr);
    }
    saveRecentFiles(settings, recentFiles);
    receiveTimer.stop();
    return status;
}
