#include "app/widgets/CMonitorApp.h"

#include "app/RecentFileList.h"
#include "app/RuntimeFolder.h"
#include "app/widgets/AppEnvironment.h"
#include "app/widgets/CMainFrame.h"
#include "app/widgets/LaterCopyRequests.h"
#include "app/widgets/MessageBoxSink.h"
#include "app/widgets/MonitorCommandLine.h"
#include "app/widgets/QtLanguageModules.h"
#include "app/widgets/RecentFileSettings.h"
#include "app/widgets/SingleInstance.h"
#include "app/widgets/ToolbarIcon.h"
#include "core/ReceiveTimer.h"
#include "core/StringTable.h"
#include "device/ConfigureIni.h"
#include "dialogs/ComboBoxAccessible.h"
#include "dialogs/TableText.h"
#include "document/ProgramState.h"
#include "document/ReplayAdapter.h"
#include "driver/Backend.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr std::size_t kRecentFileCapacity = 4;

void reportError(const QString& text) { std::fprintf(stderr, "vorelin: %s\n", qPrintable(text)); }

void describeApplication() {
    QCoreApplication::setApplicationName(tableText(strings::kAppTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORELIN_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral("Vorelin Applications"));
}

}  // namespace

std::optional<int> CMonitorApp::answerHelpOrVersion(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    MonitorCommandLine commandLine;
    commandLine.parseForHelpOrVersion(arguments);
    if (!commandLine.asksForHelp() && !commandLine.asksForVersion())
        return std::nullopt;
    describeApplication();
    // The usage line names the program as it was started, which the parser
    // learns from an application object; one without a display will do.
    const QCoreApplication application(argc, argv);
    const QString answer = commandLine.asksForVersion()
                               ? QStringLiteral("%1 %2\n").arg(applicationName(), applicationVersion())
                               : commandLine.helpText();
    std::fputs(qPrintable(answer), stdout);
    return EXIT_SUCCESS;
}

CMonitorApp::CMonitorApp(int& argc, char** argv) : QApplication(argc, argv) {
    // A save to a FIFO whose reader leaves must fail with a message, not end
    // the program and its unsaved capture.
    std::signal(SIGPIPE, SIG_IGN);
    describeApplication();
    setWindowIcon(applicationIcon());
    ComboBoxAccessible::install();
}

int CMonitorApp::run() {
    MonitorCommandLine commandLine;
    commandLine.process(*this);
    const QStringList files = commandLine.files();
    if (files.size() > 1) {
        reportError(QStringLiteral("at most one capture file may be named"));
        return kExitUsage;
    }
    // Made absolute here: a running copy that is handed the file does not
    // share this working folder, and the recent-file list outlives it.
    const QString file = files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath();

    registerReplayAdapter();
    auto backend = vorelin::driver::makeBackend(commandLine.adapterSelector().toStdString());
    if (!backend) {
        reportError(QString::fromStdString(backend.error().text));
        return kExitUsage;
    }
    const QString adapterDescription = QString::fromStdString((*backend)->description());
    vorelin::driver::installBackend(std::move(*backend));

    const Result<RuntimeFolder> runtimeFolder = chooseRuntimeFolder(RuntimeFolderInputs::ofThisProcess());
    if (!runtimeFolder) {
        reportError(QStringLiteral("cannot make sure that only one copy runs: %1")
                        .arg(QFile::decodeName(runtimeFolder.error().text.c_str())));
        return kExitFailure;
    }
    if (!runtimeFolder->notice.empty())
        reportError(QFile::decodeName(runtimeFolder->notice.c_str()));
    SingleInstance instance(QFile::decodeName(runtimeFolder->path.c_str()), applicationName());
    SingleInstance::Claim claim = instance.claim();
    if (claim == SingleInstance::Claim::laterCopy) {
        if (instance.handOverToFirstCopy(file))
            return EXIT_SUCCESS;
        // A first copy that ended before it could answer left its lock for
        // this copy to claim; this copy then carries on as the first.
        claim = instance.claim();
    }
    if (claim != SingleInstance::Claim::unavailable && !instance.channelError().isEmpty())
        reportError(instance.channelError());
    switch (claim) {
    case SingleInstance::Claim::laterCopy:
        // A window that did not come forward is not worth a word; a file
        // that was not taken is.
        if (file.isEmpty())
            return EXIT_SUCCESS;
        reportError(QStringLiteral("%1: the running copy did not take the file").arg(file));
        return kExitFailure;
    case SingleInstance::Claim::unavailable:
        reportError(QStringLiteral("cannot make sure that only one copy runs: %1").arg(instance.lockError()));
        return kExitFailure;
    case SingleInstance::Claim::firstCopy:
        break;
    }

    QSettings settings;
    // Before any window or thread reads a text.
    QtLanguageModules languageModules;
    LanguageChoice language(applicationFilePath().toStdString(), languageModules);
    language.chooseAtStartup(startupLanguageCandidates(settings));

    RecentFileList recentFiles(kRecentFileCapacity);
    loadRecentFiles(settings, recentFiles);

    ProgramState state;
    ReceiveTimer receiveTimer(state.capture);
    MessageBoxSink messages;
    const QString executableDir = applicationDirPath();
    AppEnvironment environment{applicationVersion(),
                               executableDir,
                               configureIniPath(executableDir.toStdString()),
                               adapterDescription,
                               applicationFilePath().toStdString(),
                               settings.fileName(),
                               language.current()};
    int status = EXIT_SUCCESS;
    {
        CMainFrame frame(state, receiveTimer, messages, environment, recentFiles);
        messages.setApplicationWindow(&frame);
        LaterCopyRequests laterCopies(instance, frame);
        if (!file.isEmpty() && !frame.openDocumentFile(file)) {
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
