// StartupBench: how long the program takes from its process start to its
// main window shown (offscreen), in the base language and in German, median
// of 10 starts each, taken in turns. The window is up once the program's
// event loop answers a later copy's "come forward" on its single-copy
// socket, which it reads only after showing the main window. Prints
// startup_ms_base, startup_ms_deu and startup_deu_ratio.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kStarts = 10;
constexpr qint64 kGiveUpMs = 30'000;
constexpr int kGerman = 0x0407;
const QString kGermanModule = QFileInfo(QStringLiteral(VORELIN_EXECUTABLE)).absolutePath() + "/vorelinDEU.qm";

// A fresh user for each start: no running copy, the stored language as
// given, and a C locale, so that nothing else picks a language.
QProcessEnvironment userEnvironment(const QTemporaryDir& home, int languageId) {
    QDir(home.path()).mkpath(QStringLiteral("run"));
    QFile::setPermissions(home.filePath(QStringLiteral("run")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString configFolder = home.filePath(QStringLiteral("config/Vorelin Applications"));
    QDir().mkpath(configFolder);
    QFile settings(configFolder + QStringLiteral("/Vorelin.conf"));
    if (settings.open(QIODevice::WriteOnly))
        settings.write(QStringLiteral("[General]\nLanguageId=%1\n").arg(languageId).toUtf8());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.remove(QStringLiteral("VORELIN_ADAPTER"));
    return environment;
}

bool answeredComeForward(const QString& socketPath) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(100))
        return false;
    socket.write(QByteArray(4, '\0'));
    while (socket.bytesAvailable() == 0 && socket.waitForReadyRead(kGiveUpMs)) {
    }
    return socket.read(1) == QByteArray(1, '\x06');
}

struct Start {
    double ms;
    int moduleOpens;  // how often the German module was opened meanwhile
};

std::optional<Start> timeOneStart(int languageId, int moduleWatch) {
    QTemporaryDir home;
    QProcess program;
    program.setProcessEnvironment(userEnvironment(home, languageId));
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    const QString socketPath = home.filePath(QStringLiteral("run/Vorelin.socket"));
    QElapsedTimer clock;
    clock.start();
    program.start(QStringLiteral(VORELIN_EXECUTABLE), {});
    bool shown = false;
    while (!shown && clock.elapsed() < kGiveUpMs && program.state() != QProcess::NotRunning) {
        shown = QFile::exists(socketPath) && answeredComeForward(socketPath);
        if (!shown)
            QThread::usleep(500);
    }
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    program.kill();
    program.waitForFinished();
    int opens = 0;
    alignas(inotify_event) char events[4096];
    for (ssize_t n; (n = read(moduleWatch, events, sizeof events)) > 0;) {
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(events + at);
            opens += (event->mask & IN_OPEN) != 0;
            at += ssize_t(sizeof(inotify_event) + event->len);
        }
    }
    if (!shown)
        return std::nullopt;
    return Start{ms, opens};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return (values[values.size() / 2] + values[(values.size() - 1) / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const int moduleWatch = inotify_init1(IN_NONBLOCK);
    if (moduleWatch < 0 || inotify_add_watch(moduleWatch, QFile::encodeName(kGermanModule).constData(),
                                                // Closes keep two opens in a row apart.
                                                IN_OPEN | IN_CLOSE) < 0) {
        std::fprintf(stderr, "startup_bench: cannot watch %s\n", qPrintable(kGermanModule));
        return 1;
    }
    std::vector<double> base, german;
    int baseOpens = 0, germanOpens = 0;
    for (int i = 0; i < kStarts; ++i) {
        const std::optional<Start> inBase = timeOneStart(0, moduleWatch);
        const std::optional<Start> inGerman = timeOneStart(kGerman, moduleWatch);
        if (!inBase || !inGerman) {
            std::fprintf(stderr, "startup_bench: the main window did not come up\n");
            return 1;
        }
        base.push_back(inBase->ms);
        baseOpens += inBase->moduleOpens;
        german.push_back(inGerman->ms);
        germanOpens += inGerman->moduleOpens;
    }
    // Each start reads the module's language for the Language menu; only the
    // German ones load its texts as well.
    if (germanOpens <= baseOpens) {
        std::fprintf(stderr, "startup_bench: the German starts did not load %s\n", qPrintable(kGermanModule));
        return 1;
    }
    std::printf("startup_ms_base %.1f ms\n", median(base));
    std::printf("startup_ms_deu %.1f ms\n", median(german));
    std::printf("startup_deu_ratio %.3f ratio\n", median(german) / median(base));
    return 0;
}
