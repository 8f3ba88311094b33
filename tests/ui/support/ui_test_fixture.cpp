// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/ui/support/ui_test_fixture.h"

#include <QDialog>
#include <QDir>

namespace navivor::test {
namespace {

constexpr int kWatchIntervalMs = 20;

} // namespace

void UiTestFixture::initTestCase() {
    auto desktop = std::make_unique<ScriptedDesktop>();
    desktop_ = desktop.get();
    Desktop::install(std::move(desktop));
    watchdog_.setInterval(kWatchIntervalMs);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] { watch(); });
}

void UiTestFixture::init() {
    desktop_->reset();
    previousDirectory_ = QDir::currentPath();
    separator_.emplace(decimalSeparator()); // the one in force, back in force at cleanup
    directory_ = std::make_unique<QTemporaryDir>();
    QVERIFY2(directory_->isValid(), qPrintable(directory_->errorString()));
    QVERIFY(QDir::setCurrent(directory_->path()));
    blocker_ = nullptr;
    watchdog_.start();
}

void UiTestFixture::cleanup() {
    watchdog_.stop();
    QDir::setCurrent(previousDirectory_);
    directory_.reset();
    separator_.reset();
    const bool modalMissed = !modalActions_.empty();
    modalActions_.clear();
    QVERIFY2(!modalMissed, "An expected modal window never opened");
    QCOMPARE(desktop_->unusedAnswers(), 0);
}

void UiTestFixture::cleanupTestCase() {
    watchdog_.disconnect();
    desktop_ = nullptr;
    Desktop::install(nullptr);
}

ScriptedDesktop& UiTestFixture::desktop() const {
    return *desktop_;
}

QString UiTestFixture::directory() const {
    return directory_ ? directory_->path() : QString();
}

void UiTestFixture::onNextModal(std::function<void(QWidget*)> action) {
    modalActions_.push_back(std::move(action));
}

void UiTestFixture::watch() {
    QWidget* blocker = QApplication::activeModalWidget();
    if (!blocker)
        blocker = QApplication::activePopupWidget();
    if (blocker != blocker_) {
        blocker_ = blocker;
        blockedFor_.start();
        if (blocker && !modalActions_.empty()) {
            // From the event loop, so that the watchdog goes on watching should the action
            // open yet another modal window.
            QTimer::singleShot(0, blocker, [blocker, action = std::move(modalActions_.front())] {
                action(blocker);
            });
            modalActions_.pop_front();
        }
        return;
    }
    if (!blocker || blockedFor_.elapsed() < kModalTimeoutMs)
        return;
    const QByteArray message = QByteArray("Closed a window left open: ") +
                               blocker->metaObject()->className() + " \"" +
                               blocker->windowTitle().toUtf8() + '"';
    blocker_ = nullptr;
    if (auto* dialog = qobject_cast<QDialog*>(blocker))
        dialog->reject();
    else
        blocker->close();
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

void useOffscreenPlatform() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace navivor::test
