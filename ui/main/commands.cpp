// The commands of the main window's menu and toolbar.
#include "i18n/Unit5.h"
#include "ui/desktop/desktop.h"
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
    const bool hasText = Result->reportHasText();
    Save->setEnabled(hasText);
    Print->setEnabled(hasText);
}

void TMainForm::SaveClick() {
    Result->saveReport(this);
}

void TMainForm::PrintClick() {
    Result->printReport(this);
}

void TMainForm::Exit1Click() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    event->accept();
    // The main window's close ends the program, even while other windows are open.
    QCoreApplication::quit();
}

void TMainForm::N4Click() {
    const bool flat = !N4->isChecked();
    for (QToolButton* button : ToolBar1->findChildren<QToolButton*>())
        button->setAutoRaise(flat);
    N4->setChecked(flat);
}

void TMainForm::N13Click() {
    const bool onTop = !N13->isChecked();
    N13->setChecked(onTop);
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    if (wasVisible)
        show(); // changing the flags hides the window
}

namespace {

// The reference documents are named relative to the current directory.
void openDocument(const QString& fileName) {
    Desktop::instance().openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(fileName)));
}

} // namespace

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
    LangForm->exec();
}

void TMainForm::About1Click() {
    AboutBox->exec();
}

void TMainForm::N16Click() {
    Info->show();
    Info->raise();
    Info->activateWindow();
}

// The appearance commands come with the settings file that keeps what they change.
void TMainForm::N3Click() {}

void TMainForm::N5Click() {}

void TMainForm::N6Click() {}

} // namespace navivor
