// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of the main window's menu and toolbar.
#include "ui/desktop/desktop.h"
#include "ui/desktop/failure_box.h"
#include "ui/main/main_window.h"
#include "ui/results/results_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace navivor {

void MainWindow::menuOpened() {
    enableSaveAndPrintItems(results_->reportHasText());
}

void MainWindow::saveReport() {
    results_->saveReport(this);
}

void MainWindow::printReport() {
    results_->printReport(this);
}

void MainWindow::exitProgram() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A settings file that cannot be written is named once; the program still ends, so a
    // read-only file never keeps the user from closing it.
    showingFailures([this] { saveSettings(); });
    event->accept();
    // The main window's close ends the program, even while other windows are open.
    QCoreApplication::quit();
}

// The reference documents are named relative to the current directory. Where none opens, the
// user learns which, as a desktop's own open command would say.
void MainWindow::openDocument(const QString& fileName) {
    const QString path = QDir::current().absoluteFilePath(fileName);
    const auto cannotOpen = [this, fileName] {
        desktop_.showMessage(this, "Navivor",
                             QString("Cannot open %1: the file is missing, or no program is set "
                                     "to open it.")
                                 .arg(fileName),
                             MessageIcon::Error);
    };
    if (QFileInfo::exists(path))
        desktop_.openUrl(QUrl::fromLocalFile(path), cannotOpen);
    else
        cannotOpen();
}

void MainWindow::openWireSizes() {
    openDocument("wiresize.htm");
}

void MainWindow::openWireTypes() {
    openDocument("wiretype.htm");
}

void MainWindow::openCoreSizes() {
    openDocument("dimensions.htm");
}

} // namespace navivor

namespace navivor {

void MainWindow::chooseLanguage() {
    emit languageChooserAsked();
}

void MainWindow::showAbout() {
    emit aboutBoxAsked();
}

void MainWindow::showUsage() {
    emit usageWindowAsked();
}

} // namespace navivor
