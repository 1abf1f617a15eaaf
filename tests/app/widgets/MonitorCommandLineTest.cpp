// The program's --help and --version: answered on stdout without a display,
// in an environment where the program would otherwise fail to start.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    QProcess::ExitStatus exitStatus;
    int exitCode;
    QString out;
    QByteArray err;
};

// The program on the X11 platform with no display to connect to.
ProgramRun runWithoutDisplay(const QString& runtime, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VORELIN_EXECUTABLE), arguments);
    if (!program.waitForFinished(60000))
        program.kill();
    program.waitForFinished();
    return {program.exitStatus(), program.exitCode(), QString::fromUtf8(program.readAllStandardOutput()),
            program.readAllStandardError()};
}

class ProgramWithoutDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const ProgramRun start = runWithoutDisplay(runtime.path(), {});
        ASSERT_FALSE(start.exitStatus == QProcess::NormalExit && start.exitCode == 0)
            << "without --help or --version the program needs the display";
    }

    QTemporaryDir runtime;
};

}  // namespace

TEST_F(ProgramWithoutDisplay, PrintsItsUsageOrVersionOnStdout) {
    const QRegularExpression usage(QStringLiteral("^Usage: %1 \\[options\\] \\[file\\]\\n[\\s\\S]*--adapter <selector>")
                                       .arg(QRegularExpression::escape(QStringLiteral(VORELIN_EXECUTABLE))));
    const QRegularExpression version(QStringLiteral("^Vorelin \\d+\\.\\d+\\.\\d+\\n$"));
    const struct {
        const char* name;
        QStringList arguments;
        const QRegularExpression& out;
    } rows[] = {
        {"--help", {QStringLiteral("--help")}, usage},
        {"-h", {QStringLiteral("-h")}, usage},
        {"help after Qt's own options and a file",
         {QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("bench.orx"), QStringLiteral("--help")},
         usage},
        {"--version", {QStringLiteral("--version")}, version},
        {"-v", {QStringLiteral("-v")}, version},
        {"version before a file", {QStringLiteral("--version"), QStringLiteral("bench.orx")}, version},
        {"version with --help too", {QStringLiteral("--help"), QStringLiteral("--version")}, version},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const ProgramRun run = runWithoutDisplay(runtime.path(), row.arguments);
        EXPECT_EQ(run.exitStatus, QProcess::NormalExit);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_TRUE(row.out.match(run.out).hasMatch()) << run.out.toStdString();
        EXPECT_EQ(run.err, QByteArray());
    }
}
