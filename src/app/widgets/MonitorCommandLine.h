// MonitorCommandLine.h: the options of the monitor's command line. The line
// is read twice: before the application object exists, for --help and
// --version, which need no display while that object does; and once the
// application has taken Qt's own options (-platform, -style, ...) out of it.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

class QCoreApplication;

class MonitorCommandLine {
public:
    MonitorCommandLine();

    // The first reading, with Qt's own options still in the line: it judges
    // no fault, so it only tells whether help or the version was asked for.
    void parseForHelpOrVersion(const QStringList& arguments);
    bool asksForHelp() const;
    bool asksForVersion() const;
    QString helpText() const;

    // The second reading, of the application's arguments. A fault in the
    // line ends the program with Qt's message; --help-all, which lists Qt's
    // own options too and so needs the application, is answered here.
    void process(const QCoreApplication& application);
    QString adapterSelector() const;
    QStringList files() const;

private:
    QCommandLineParser parser_;
    QCommandLineOption helpOption_;
    QCommandLineOption versionOption_;
    QCommandLineOption adapterOption_;
};
