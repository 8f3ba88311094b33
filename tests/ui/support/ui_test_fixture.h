// SPDX-License-Identifier: GPL-3.0-or-later
// What every Qt test class of the program shares. Call each member from the test slot of the
// same name:
//   initTestCase     installs the scripted desktop;
//   init             makes a fresh empty directory the current one, lets the desktop forget
//                    the tests before, and starts the watchdog;
//   cleanup          brings back the previous current directory and decimal separator; fails
//                    the test if scripted answers were left untaken or an expected modal
//                    window never opened;
//   cleanupTestCase  puts the Qt desktop back in force.
// The watchdog closes any modal window or popup left open longer than kModalTimeoutMs and
// fails the test, so that no test hangs on a dialog.
#pragma once

#include "tests/support/separator_scope.h"
#include "tests/ui/support/scripted_desktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace navivor::test {

class UiTestFixture {
public:
    static constexpr int kModalTimeoutMs = 2000;

    virtual ~UiTestFixture() = default;

    virtual void initTestCase();
    virtual void init();
    virtual void cleanup();
    virtual void cleanupTestCase();

    ScriptedDesktop& desktop() const;
    // The current directory of the running test.
    QString directory() const;
    // Runs the action on the next modal window or popup to come up, once: the window is
    // handled there, while whatever opened it waits in its event loop.
    void onNextModal(std::function<void(QWidget* window)> action);

private:
    void watch();

    ScriptedDesktop* desktop_ = nullptr;
    std::unique_ptr<QTemporaryDir> directory_;
    QString previousDirectory_;
    std::optional<testing::SeparatorScope> separator_;
    QTimer watchdog_;
    QPointer<QWidget> blocker_;
    QElapsedTimer blockedFor_;
    std::deque<std::function<void(QWidget*)>> modalActions_;
};

// The offscreen platform, unless the environment asks for another.
void useOffscreenPlatform();

} // namespace navivor::test

// main() of a Qt test executable with widgets, run on the offscreen platform.
#define NAVIVOR_QTEST_MAIN(TestClass)                                                              \
    int main(int argc, char** argv) {                                                              \
        navivor::test::useOffscreenPlatform();                                                     \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
