// SPDX-License-Identifier: GPL-3.0-or-later
// The five windows of the program made afresh for each test, with the main window shown,
// in a fresh current directory, on the scripted desktop, with a comma as the separator.
#pragma once

#include "app/navivor_windows.h"
#include "tests/support/separator_scope.h"
#include "tests/ui/support/ui_test.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/string_grid.h"

#include <QLineEdit>
#include <QTest>

#include <memory>
#include <optional>

namespace navivor::test {

class MainWindowFixture : public UiTestFixture {
public:
    void init() override {
        UiTestFixture::init();
        comma_.emplace(",");
        windows = std::make_unique<NavivorWindows>();
        form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
    }
    void cleanup() override {
        windows.reset();
        comma_.reset();
        UiTestFixture::cleanup();
    }

    MainWindow& form() const { return windows->mainWindow(); }

    // Types into a cell of a grid as the user would: select it, then the keys.
    static void typeInto(StringGrid* grid, int column, int row, const QString& keys) {
        grid->setFocus();
        grid->setCurrentCell(column, row);
        grid->editor()->selectAll();
        QTest::keyClick(grid->editor(), Qt::Key_Delete);
        QTest::keyClicks(grid->editor(), keys);
    }
    static void typeInto(SpinField* field, const QString& keys) {
        field->editor()->setFocus();
        field->editor()->selectAll();
        QTest::keyClicks(field->editor(), keys);
    }

    std::unique_ptr<NavivorWindows> windows;

private:
    std::optional<testing::SeparatorScope> comma_;
};

} // namespace navivor::test
