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
#include <QFileInfo>
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
    // A settings file that cannot be written is named once; the program still ends, so a
    // read-only file never keeps the user from closing it.
    showingFailures([this] { FormClose(); });
    event->accept();
    // The main window's close ends the program, even while other windows are open.
    QCoreApplication::quit();
}

// The reference documents are named relative to the current directory. Where none opens, the
// user learns which, as a desktop's own open command would say.
void TMainForm::openDocument(const QString& fileName) {
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

void TMainForm::N10Click() {
    openDocument("wiresize.htm");
}

void TMainForm::N12Click() {
    openDocument("wiretype.htm");
}

void TMainForm::N14Click() {
    openDocument("dimensions.htm");
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
    windows_.Info->showInFront();
}

} // namespace navivor
