// LaterCopy.h: later copies of the program, for tests of the first copy,
// which answers from the test's own thread: requests made from another
// thread while the test thread runs events, and the environment in which
// the program itself finds a test's first copy.
#pragma once

#include "app/widgets/SingleInstance.h"

#include <QProcessEnvironment>
#include <QTest>

#include <chrono>
#include <future>

// What SingleInstance::handOverToFirstCopy answers in a later copy of `name`
// in `folder`; the test thread runs events until it has.
inline bool handOverFromAnotherThread(const QString& folder, const QString& name, const QString& file = {}) {
    std::future<bool> taken = std::async(std::launch::async, [folder, name, file] {
        const SingleInstance later(folder, name);
        return later.handOverToFirstCopy(file);
    });
    const bool answered = QTest::qWaitFor(
        [&taken] { return taken.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 60000);
    return answered && taken.get();
}

// The program without a display, on a silent simulated bus, with its lock,
// socket and settings in `runtime` (a folder only the user may enter, as the
// runtime folder must be).
inline QProcessEnvironment programEnvironment(const QString& runtime) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), runtime);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("VORELIN_ADAPTER"), QStringLiteral("sim:rate=0"));
    return environment;
}
