// SPDX-License-Identifier: GPL-3.0-or-later
// Base of the Qt test classes: runs the shared fixture around each test. A test class that
// needs more than the plain fixture returns its own from fixture().
#pragma once

#include "tests/ui/support/ui_test_fixture.h"

#include <QObject>

namespace navivor::test {

class UiTest : public QObject {
    Q_OBJECT
protected:
    virtual UiTestFixture& fixture() { return plainFixture_; }

private slots:
    void initTestCase() { fixture().initTestCase(); }
    void init() { fixture().init(); }
    void cleanup() { fixture().cleanup(); }
    void cleanupTestCase() { fixture().cleanupTestCase(); }

private:
    UiTestFixture plainFixture_;
};

} // namespace navivor::test
