#include "app/widgets/MonitorCommandLine.h"

#include <QCoreApplication>

#include <cstdlib>

namespace {

QString defaultAdapterSelector() {
    const char* fromEnvironment = std::getenv("VORELIN_ADAPTER");
    return fromEnvironment && *fromEnvironment ? QString::fromLocal8Bit(fromEnvironment) : QStringLiteral("sim");
}

}  // namespace

MonitorCommandLine::MonitorCommandLine()
    : helpOption_(parser_.addHelpOption()),
      versionOption_(parser_.addVersionOption()),
      adapterOption_(QStringLiteral("adapter"),
                     QStringLiteral("Adapter backend to use, e.g. sim or sim:rate=5000,mix=canopen, "
                                    "slcan:/dev/ttyACM0, or replay:FILE[,speed=N] to play a candump log or "
                                    "capture file (default: $VORELIN_ADAPTER, else sim)."),
                     QStringLiteral("selector"), defaultAdapterSelector()) {
    parser_.setApplicationDescription(QStringLiteral("Monitor and analyser for a CAN bus."));
    parser_.addOption(adapterOption_);
    parser_.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Capture file to open."),
                                  QStringLiteral("[file]"));
}

void MonitorCommandLine::parseForHelpOrVersion(const QStringList& arguments) {
    // An unknown option here may well be one of Qt's; process() judges it.
    (void)parser_.parse(arguments);
}

bool MonitorCommandLine::asksForHelp() const { return parser_.isSet(helpOption_); }

bool MonitorCommandLine::asksForVersion() const { return parser_.isSet(versionOption_); }

QString MonitorCommandLine::helpText() const { return parser_.helpText(); }

void MonitorCommandLine::process(const QCoreApplication& application) { parser_.process(application); }

QString MonitorCommandLine::adapterSelector() const { return parser_.value(adapterOption_); }

QStringList MonitorCommandLine::files() const { return parser_.positionalArguments(); }
