#include "app/navivor_application.h"
#include "app/navivor_windows.h"
#include "tests/ui/support/ui_test.h"
#include "text/failure.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/string_grid.h"

#include <QComboBox>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <stdexcept>

namespace navivor::test {
namespace {

// Throws the failure it was made with from its event handler.
class FailingObject : public QObject {
public:
    explicit FailingObject(std::string message)
        : message_(std::move(message)) {}
    bool event(QEvent*) override { throw Failure(message_); }

private:
    std::string message_;
};

} // namespace

class ApplicationTest : public navivor::test::UiTest {
    Q_OBJECT

private slots:
    void failuresLeavingAHandlerAreShownAndTheProgramGoesOn_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("conversion") << "'1,2,3' is not a valid floating point value"
                                    << "'1,2,3' is not a valid floating point value.";
        QTest::newRow("integer") << "'x' is not a valid integer value"
                                 << "'x' is not a valid integer value.";
        QTest::newRow("invalid") << "Invalid floating point operation"
                                 << "Invalid floating point operation.";
        QTest::newRow("zero") << "Floating point division by zero"
                              << "Floating point division by zero.";
        QTest::newRow("overflow") << "Floating point overflow"
                                  << "Floating point overflow.";
        QTest::newRow("path") << "Cannot create file /tmp/x/"
                              << "Cannot create file /tmp/x/.";
        QTest::newRow("bang") << "Ошибка !"
                              << "Ошибка !";
        QTest::newRow("cyrillic") << "Ошибка"
                                  << "Ошибка.";
        QTest::newRow("stop") << "Done."
                              << "Done.";
    }
    void failuresLeavingAHandlerAreShownAndTheProgramGoesOn() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        FailingObject failing(message.toStdString());
        QEvent event(QEvent::User);
        QVERIFY(QCoreApplication::sendEvent(&failing, &event));
        QCOMPARE(fixture().desktop().messages().size(), 1);
        const ScriptedDesktop::Message& box = fixture().desktop().messages()[0];
        QCOMPARE(box.caption, QString("Navivor"));
        QCOMPARE(box.text, shown);
        QCOMPARE(box.icon, MessageIcon::Error);
    }

    void windowsAreCreatedHiddenButTheMainWindow() {
        NavivorWindows windows;
        QCOMPARE(windows.MainForm->objectName(), QString("MainForm"));
        QCOMPARE(windows.AboutBox->windowTitle(), QString("О программе"));
        QCOMPARE(windows.Result->windowTitle(), QString("Результаты расчета"));
        QCOMPARE(windows.LangForm->windowTitle(), QString("Выбор языка"));
        QCOMPARE(windows.Info->windowTitle(), QString("Как пользоваться программой."));
        for (QWidget* window :
             std::initializer_list<QWidget*>{windows.AboutBox.get(), windows.Result.get(),
                                             windows.LangForm.get(), windows.Info.get()})
            QVERIFY(!window->isVisible());
        QCOMPARE(windows.LangForm->languageName(), QString());
    }

    void languageFilesAreListedAndNameTheCurrentLanguage() {
        QDir().mkpath("lang/Folder.ini");
        QFile english("lang/English.ini");
        QVERIFY(english.open(QIODevice::WriteOnly));
        english.write("[MainForm]\nButton1_=Fill\n");
        english.close();
        NavivorWindows windows;
        QCOMPARE(windows.LangForm->LangList->count(), 2);
        QCOMPARE(windows.LangForm->languageName(), QString("Russian"));
        windows.LangForm->LangList->setEditText("English");
        windows.MainForm->SG1->setCell(1, 1, "12");
        windows.MainForm->SG1->setCell(2, 1, "2");
        windows.MainForm->SE4->setValue(1000);
        windows.MainForm->Button1->click();
        QCOMPARE(windows.MainForm->Button1->text(), QString("Fill"));
    }

    void aFailedPressShowsItsMessageAndKeepsItsLines() {
        NavivorWindows windows;
        windows.MainForm->show();
        windows.MainForm->SG1->setCell(1, 1, "12");
        windows.MainForm->SG1->setCell(2, 1, "-2");
        windows.MainForm->SE4->setValue(1000);
        QTest::mouseClick(windows.MainForm->Button1, Qt::LeftButton);
        QCOMPARE(fixture().desktop().messages().size(), 1);
        QCOMPARE(fixture().desktop().messages()[0].text,
                 QString("Invalid floating point operation."));
        QCOMPARE(windows.Result->reportText(), QString()); // cleared before the failure
        QCOMPARE(windows.MainForm->Button1->text(), QString("Расчитать"));
    }
};

} // namespace navivor::test

int main(int argc, char** argv) {
    navivor::test::useOffscreenPlatform();
    navivor::NavivorApplication application(argc, argv);
    navivor::test::ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
