// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/navivor_application.h"
#include "app/navivor_windows.h"
#include "tests/ui/support/ui_test.h"
#include "text/cp1251.h"
#include "text/failure.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/static_text.h"
#include "ui/widgets/string_grid.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOption>
#include <QToolButton>

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

// A file of the test's current directory, in Windows-1251 as the program's files are.
void writeFile(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(encodeCp1251(text.toStdString())));
}

const QString kEnglish =
    "[MainForm]\nMainForm=Transformer\nLabel1=Windings\nN7=Tools\nN9=Reference\n"
    "N10=Wire sizes\nToolButton1=Save\nKol1=No.\nButton1=Calculate\nButton1_=Fill\n"
    "ST1=Title\n[AboutBox]\nAboutBox=About\n[Result]\nResult=Results\n"
    "[LangForm]\nLangForm=Language\n[Info]\nInfo=Usage\n";

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
        QCOMPARE(windows.inCreationOrder(), QList<QWidget*>{&windows.mainWindow()});
        QCOMPARE(windows.mainWindow().objectName(), QString("MainForm"));
        QCOMPARE(windows.aboutBox().windowTitle(), QString("О программе"));
        QCOMPARE(windows.resultsWindow().windowTitle(), QString("Результаты расчета"));
        QCOMPARE(windows.languageChooser().windowTitle(), QString("Выбор языка"));
        QCOMPARE(windows.usageWindow().windowTitle(), QString("Как пользоваться программой."));
        for (QWidget* window :
             std::initializer_list<QWidget*>{&windows.aboutBox(), &windows.resultsWindow(),
                                             &windows.languageChooser(), &windows.usageWindow()})
            QVERIFY(!window->isVisible());
        QCOMPARE(windows.languageChooser().languageName(), QString());
    }

    // The buttons for the items that do not fit make their icons when first drawn.
    void overflowButtonsShowTheStylesIcons() {
        NavivorWindows windows;
        const QStyle* style = qobject_cast<QProxyStyle*>(QApplication::style())->baseStyle();
        for (const char* name : {"qt_menubar_ext_button", "qt_toolbar_ext_button"}) {
            const QToolButton* button = windows.mainWindow().findChild<QToolButton*>(name);
            QStyleOption option;
            option.initFrom(button);
            QCOMPARE(button->icon().pixmap(16).toImage(),
                     style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option)
                         .pixmap(16)
                         .toImage());
        }
    }

    // Named by a family no face bears, the desktop's font would be searched for anew for each
    // script its texts hold.
    void theDesktopsFontIsNamedByItsFace() {
        const QFont desktopFont = QApplication::font();
        QCOMPARE(QFontInfo(desktopFont).family(), desktopFont.family());
    }

    void languageFilesAreListedAndNameTheCurrentLanguage() {
        QDir().mkpath("lang/Folder.ini");
        QFile english("lang/English.ini");
        QVERIFY(english.open(QIODevice::WriteOnly));
        english.write("[MainForm]\nButton1_=Fill\n");
        english.close();
        NavivorWindows windows;
        QCOMPARE(windows.languageChooser().findChild<QComboBox*>("LangList")->count(), 2);
        QCOMPARE(windows.languageChooser().languageName(), QString("Russian"));
        windows.languageChooser().findChild<QComboBox*>("LangList")->setEditText("English");
        windows.mainWindow().inputs().windingsGrid->setCell(1, 1, "12");
        windows.mainWindow().inputs().windingsGrid->setCell(2, 1, "2");
        windows.mainWindow().inputs().coreSection->setValue(1000);
        windows.mainWindow().inputs().calculate->click();
        QCOMPARE(windows.mainWindow().inputs().calculate->text(), QString("Fill"));
    }

    // At start-up the saved language is walked over the windows made before the chooser.
    void startUpAppliesTheSavedLanguage_data() {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("nameField");
        QTest::newRow("no settings file") << ""
                                          << "Расчет трансформатора"
                                          << "Russian";
        QTest::newRow("English") << "English"
                                 << "Transformer"
                                 << "English";
        // Not the very name of the built-in language, so it is walked, with the file found
        // for it whatever its letter case.
        QTest::newRow("english") << "english"
                                 << "Transformer"
                                 << "english";
        QTest::newRow("no file of that name") << "German"
                                              << "Расчет трансформатора"
                                              << "German";
    }
    void startUpAppliesTheSavedLanguage() {
        QFETCH(QString, saved);
        QFETCH(QString, caption);
        QFETCH(QString, nameField);
        writeFile("lang/English.ini", kEnglish);
        writeFile("lang/English.txt", "Usage text\r\n");
        if (!saved.isEmpty())
            writeFile("Navivor.ini", "[Language]\nLang=" + saved + "\n");
        NavivorWindows windows;
        QCOMPARE(windows.mainWindow().windowTitle(), caption);
        QCOMPARE(windows.languageChooser().languageName(), nameField);
        const bool applied = caption == "Transformer";
        QCOMPARE(windows.mainWindow().findChild<QLabel*>("Label1")->text(),
                 applied ? "Windings" : "Количество вторичных обмоток");
        QCOMPARE(windows.mainWindow().findChild<QToolButton*>("ToolButton1")->toolTip(),
                 applied ? "Save" : "Сохранить результаты");
        QCOMPARE(windows.mainWindow().inputs().windingsGrid->cell(0, 0),
                 applied ? "  No." : "  № обм.");
        QCOMPARE(windows.aboutBox().windowTitle(), applied ? "About" : "О программе");
        QCOMPARE(windows.resultsWindow().windowTitle(), applied ? "Results" : "Результаты расчета");
        QCOMPARE(windows.languageChooser().windowTitle(), applied ? "Language" : "Выбор языка");
        // Made after the chooser, it takes the language all the same, its usage text too.
        QCOMPARE(windows.usageWindow().windowTitle(),
                 applied ? "Usage" : "Как пользоваться программой.");
        QCOMPARE(
            windows.usageWindow().findChild<QPlainTextEdit*>("Memo1")->toPlainText().startsWith(
                "Usage text"),
            applied);
        QCOMPARE(windows.mainWindow().findChild<QLabel*>("ST1")->text(), QString("Navivor"));
    }

    // With no settings file yet, the desktop's locale picks the language whose file names it.
    void aFirstRunSpeaksTheDesktopsLanguage_data() {
        QTest::addColumn<QByteArray>("language"); // LANGUAGE
        QTest::addColumn<QByteArray>("lang");     // LANG
        QTest::addColumn<QString>("chosen");
        QTest::newRow("uk_UA") << QByteArray() << QByteArray("uk_UA.UTF-8") << "Ukrainian";
        QTest::newRow("LANGUAGE first") << QByteArray("en:uk") << QByteArray("uk_UA") << "English";
        QTest::newRow("C") << QByteArray() << QByteArray("C.UTF-8") << "Russian";
        QTest::newRow("ru_RU") << QByteArray() << QByteArray("ru_RU.UTF-8") << "Russian";
        QTest::newRow("no file names it") << QByteArray() << QByteArray("de_DE") << "Russian";
    }
    void aFirstRunSpeaksTheDesktopsLanguage() {
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, lang);
        QFETCH(QString, chosen);
        writeFile("lang/Ukrainian.ini", "[Language]\nLocale=uk\n[MainForm]\nLabel1=Обмотки\n");
        writeFile("lang/English.ini", kEnglish + "[Language]\nLocale=en\n");
        const QByteArray names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
        QByteArray saved[std::size(names)];
        for (std::size_t i = 0; i < std::size(names); ++i) {
            saved[i] = qgetenv(names[i]);
            qunsetenv(names[i]);
        }
        qputenv("LANGUAGE", language);
        qputenv("LANG", lang);
        NavivorWindows windows;
        for (std::size_t i = 0; i < std::size(names); ++i)
            saved[i].isNull() ? qunsetenv(names[i]) : qputenv(names[i], saved[i]);
        QCOMPARE(windows.languageChooser().languageName(), chosen);
    }

    void applyingWalksEveryWindowInFillModeToo() {
        writeFile("lang/English.ini", kEnglish);
        NavivorWindows windows;
        windows.mainWindow().inputs().windingsGrid->setCell(1, 1, "12");
        windows.mainWindow().inputs().windingsGrid->setCell(2, 1, "2");
        windows.mainWindow().inputs().coreSection->setValue(1000);
        windows.mainWindow().inputs().calculate->click();
        QCOMPARE(windows.mainWindow().inputs().calculate->text(), QString("Заполнение"));

        const auto apply = [&windows](const QString& name) {
            windows.languageChooser().findChild<QComboBox*>("LangList")->setEditText(name);
            windows.languageChooser().findChild<QPushButton*>("Button1")->click();
        };
        apply("English");
        // The caption of the mode the cycle is in; menu items at every level.
        QCOMPARE(windows.mainWindow().inputs().calculate->text(), QString("Fill"));
        QCOMPARE(windows.mainWindow().findChild<QMenu*>("N7")->title(), QString("Tools"));
        QCOMPARE(windows.mainWindow().findChild<QMenu*>("N9")->title(), QString("Reference"));
        QCOMPARE(windows.mainWindow().findChild<QAction*>("N10")->text(), QString("Wire sizes"));
        QCOMPARE(windows.usageWindow().windowTitle(), QString("Usage"));
        QCOMPARE(windows.mainWindow().inputs().windingsGrid->cell(3, 0), QString("  Диам.пр."));

        // Qt's own dialogs follow the locale a language file names.
        writeFile("lang/Ukrainian.ini", "[Language]\nLocale=uk\n");
        apply("Ukrainian");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Скасувати"));
        apply("English"); // no locale named: the built-in texts' Russian
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Отмена"));
        writeFile("lang/English.ini", kEnglish + "[Language]\nLocale=en\n");
        apply("English");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));

        // Without a file the texts shown stay; only the headings return to the built-in ones.
        apply("German");
        QCOMPARE(windows.mainWindow().findChild<QLabel*>("Label1")->text(), QString("Windings"));
        QCOMPARE(windows.mainWindow().inputs().windingsGrid->cell(0, 0), QString("  № обм."));
    }

    // The windows are made with the catalogue's texts, which the shipped Russian.ini writes
    // out: applying it changes no text but the one the design gives a caption of its own.
    void theWindowsAreMadeWithTheCataloguesTexts() {
        QDir().mkpath("lang");
        QVERIFY(QFile::copy(NAVIVOR_DATA_DIR "/lang/Russian.ini", "lang/Russian.ini"));
        NavivorWindows windows;
        LanguageChooser& chooser = windows.languageChooser(); // made before its texts are read
        const auto texts = [&windows] {
            QStringList shown;
            for (QWidget* window : windows.inCreationOrder()) {
                shown << window->windowTitle();
                for (const QLabel* label : window->findChildren<QLabel*>())
                    shown << label->objectName() + "=" + label->text();
                for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
                    shown << button->objectName() + "=" + button->text() + button->toolTip();
                for (const QAction* item : window->findChildren<QAction*>())
                    shown << item->objectName() + "=" + item->text();
            }
            return shown;
        };
        QStringList before = texts();
        chooser.findChild<QComboBox*>("LangList")->setEditText("russian");
        chooser.findChild<QPushButton*>("Button1")->click();
        before.replaceInStrings("Label4=Диам. пр.", "Label4= Диам.пр.");
        QCOMPARE(texts(), before);
    }

    void aFailedPressShowsItsMessageAndKeepsItsLines() {
        NavivorWindows windows;
        windows.mainWindow().show();
        windows.mainWindow().inputs().windingsGrid->setCell(1, 1, "12");
        windows.mainWindow().inputs().windingsGrid->setCell(2, 1, "-2");
        windows.mainWindow().inputs().coreSection->setValue(1000);
        QTest::mouseClick(windows.mainWindow().inputs().calculate, Qt::LeftButton);
        QCOMPARE(fixture().desktop().messages().size(), 1);
        QCOMPARE(fixture().desktop().messages()[0].text,
                 QString("Invalid floating point operation."));
        QCOMPARE(windows.resultsWindow().reportText(), QString()); // cleared before the failure
        QCOMPARE(windows.mainWindow().inputs().calculate->text(), QString("Расчитать"));
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
