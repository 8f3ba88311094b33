// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu and tool bar, each item wired to its command.
#include "ui/desktop/failure_box.h"
#include "ui/main/main_window.h"
#include "ui/main/windings_grid_sizing.h"
#include "ui/resources/images.h"
#include "ui/widgets/etched_tool_bar.h"
#include "ui/widgets/window_builders.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

namespace navivor {
namespace {

QString caption(const char* key) {
    return catalogueText("MainForm", key);
}

} // namespace

// Every command runs through the failure box, which shows what it raises.
std::function<void()> MainWindow::command(void (MainWindow::*method)()) {
    return reportingFailures([this, method] { (this->*method)(); });
}

void MainWindow::createToolBar(QWidget* client) {
    toolBar_ = new EtchedToolBar(client);
    toolBar_->setObjectName("ToolBar1");
    toolBar_->setGeometry(0, 0, WindingsGridSizing::kNarrowClientWidth, 30);
    toolBar_->setIconSize({16, 16});
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setBorderWidth(1);

    const auto button = [this](const char* name, int image, void (MainWindow::*method)()) {
        QToolButton* made = makeToolButton(toolBar_, name, toolbarIcon(image), caption(name));
        connect(made, &QToolButton::clicked, this, command(method));
        return made;
    };
    const auto gap = [this](const char* name) { toolBar_->addSeparator()->setObjectName(name); };
    gap("ToolButton11");
    saveButton_ = button("ToolButton1", 1, &MainWindow::saveReport);
    printButton_ = button("ToolButton2", 4, &MainWindow::printReport);
    gap("ToolButton4");
    button("ToolButton3", 2, &MainWindow::chooseFont);
    button("ToolButton8", 5, &MainWindow::chooseBackgroundColour);
    button("ToolButton10", 6, &MainWindow::chooseFieldColour);
    gap("ToolButton5");
    button("ToolButton7", 7, &MainWindow::showAbout);
    gap("ToolButton6");
    button("ToolButton9", 0, &MainWindow::exitProgram);
}

void MainWindow::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    bar->setNativeMenuBar(false);
    const auto item = [this](QMenu* menu, const char* name, void (MainWindow::*method)()) {
        QAction* made = makeMenuItem(menu, name, caption(name));
        menu->addAction(made);
        connect(made, &QAction::triggered, this, command(method));
        return made;
    };
    // The check mark is the state the command toggles itself.
    const auto checkItem = [this](QMenu* menu, const char* name, void (MainWindow::*method)()) {
        QAction* made = makeMenuItem(menu, name, caption(name));
        menu->addAction(made);
        made->setCheckable(true);
        connect(made, &QAction::triggered, this, [made, toggle = command(method)] {
            made->setChecked(!made->isChecked());
            toggle();
        });
        return made;
    };
    const auto separator = [](QMenu* menu, const char* name) {
        menu->addAction(makeMenuSeparator(menu, name));
    };

    QMenu* report = makeSubmenu(bar, "Menu1", caption("Menu1"));
    connect(report, &QMenu::aboutToShow, this, command(&MainWindow::menuOpened));
    saveItem_ = item(report, "Save", &MainWindow::saveReport);
    printItem_ = item(report, "Print", &MainWindow::printReport);
    separator(report, "N8");
    item(report, "Exit1", &MainWindow::exitProgram);

    QMenu* service = makeSubmenu(bar, "N7", caption("N7"));
    item(service, "N3", &MainWindow::chooseFont);
    item(service, "N5", &MainWindow::chooseBackgroundColour);
    item(service, "N6", &MainWindow::chooseFieldColour);
    separator(service, "N1");
    flatButtonsItem_ = checkItem(service, "N4", &MainWindow::toggleFlatButtons);
    flatButtonsItem_->setChecked(true);
    stayOnTopItem_ = checkItem(service, "N13", &MainWindow::toggleStayOnTop);
    item(service, "Lang", &MainWindow::chooseLanguage);
    separator(service, "N2");
    item(service, "Rectifier1", &MainWindow::openRectifier);
    item(service, "WindingSheet1", &MainWindow::openWindingSheet);
    item(service, "CorePick1", &MainWindow::openCorePick);
    separator(service, "N17");
    QMenu* reference = makeSubmenu(service, "N9", caption("N9"));
    item(reference, "N10", &MainWindow::openWireSizes);
    item(reference, "N12", &MainWindow::openWireTypes);
    item(reference, "N14", &MainWindow::openCoreSizes);
    separator(service, "N11");
    item(service, "About1", &MainWindow::showAbout);
    item(service, "N16", &MainWindow::showUsage);

    // Ctrl+S and Ctrl+P are shown in the menu; they work from every window of the program, but
    // only when the menu check finds a report to save or print.
    for (auto [keys, shown] :
         {std::pair{QKeySequence("Ctrl+S"), saveItem_}, {QKeySequence("Ctrl+P"), printItem_}}) {
        shown->setShortcut(keys);
        shown->setShortcutContext(Qt::WidgetShortcut);
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, reportingFailures([this, shown] {
                    menuOpened();
                    if (shown->isEnabled())
                        shown->trigger();
                }));
    }
}

} // namespace navivor
