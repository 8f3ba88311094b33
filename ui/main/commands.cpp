// The commands of the main window's menu and toolbar.
#include "ui/desktop/desktop.h"
#include "ui/desktop/failure_box.h"
#include "ui/language/Unit5.h"
#include "ui/main/Unit1.h"
#include "ui/reference/Unit2.h"
#include "ui/reference/Unit4.h"
#include "ui/results/Unit3.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

namespace navivor {

void TMainForm::Menu1Click() {
    enableSaveAndPrintItems(windows_.Result->reportHasText());
}

void TMainForm::SaveClick() {
    windows_.Result->saveReport(this);
}

void TMainForm::PrintClick() {
    windows_.Result->printReport(this);
}

void TMainForm::Exit1Click() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // A settings file that cannot be written keeps the program open.
    if (!showingFailures([this] { FormClose(); })) {
        event->ignore();
        return;
    }
    event->accept();
    // The main window's close ends the program, even while other windows are open.
    QCoreApplication::quit();
}

namespace {

// The reference documents are named relative to the current directory.
QUrl documentUrl(const QString& fileName) {
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(fileName));
}

} // namespace

void TMainForm::N10Click() {
    desktop_.openUrl(documentUrl("wiresize.htm"));
}

void TMainForm::N12Click() {
    desktop_.openUrl(documentUrl("wiretype.htm"));
}

void TMainForm::N14Click() {
    desktop_.openUrl(documentUrl("dimensions.htm"));
}

} // namespace navivor

namespace navivor {

void TMainForm::LangClick() {
    windows_.LangForm->exec();
}

void TMainForm::About1Click() {
    windows_.AboutBox->exec();
}

void TMainForm::N16Click() {
    windows_.Info->show();
    windows_.Info->raise();
    windows_.Info->activateWindow();
}

} // namespace navivor
