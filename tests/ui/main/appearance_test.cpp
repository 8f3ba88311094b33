// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file around a run of the main window, and the commands that change its looks.
#include "main_window_fixture.h"

#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QPushButton>
#include <QToolButton>

namespace navivor::test {
namespace {

QStringList settingsLines() {
    QFile file("Navivor.ini");
    if (!file.open(QIODevice::ReadOnly))
        return {"<missing>"};
    return QString::fromLatin1(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
}

const QStringList kFirstRun = {
    "[Color]",         "bgc1=-2147483643", "bgc2=16777215",    "Se1=-2147483643",
    "Se2=16777215",    "Se4=-2147483643",  "Se5=-2147483643",  "Edit1=-2147483643",
    "SG1=-2147483643", "font=8388608",     "form=-2147483633", "[Font]",
    "size=8",          "name=arial",       "[Language]",       "Lang="};

} // namespace

class AppearanceTest : public UiTest {
    Q_OBJECT
    MainWindowFixture mainWindow;
    UiTestFixture& fixture() override { return mainWindow; }
    MainWindow& form() { return mainWindow.form(); }

    void trigger(const char* item) { form().findChild<QAction*>(item)->trigger(); }

private slots:
    void closingWritesTheFirstRunSettings() {
        QVERIFY(form().close());
        QCOMPARE(settingsLines(), kFirstRun);
    }

    // What each command changes reaches the settings file at close, and nothing else does.
    void commandsChangeTheKeysWrittenAtClose_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("changed");
        QTest::newRow("font") << "N3" << QStringList{"font=255", "size=12", "name=DejaVu Sans"};
        QTest::newRow("background colour") << "N5" << QStringList{"form=5649426"};
        QTest::newRow("table colour")
            << "N6" << QStringList{"bgc1=5649426", "bgc2=5649426", "Se1=5649426",   "Se2=5649426",
                                   "Se4=5649426",  "Se5=5649426",  "Edit1=5649426", "SG1=5649426"};
        QTest::newRow("flat buttons, not saved") << "N4" << QStringList{};
    }
    void commandsChangeTheKeysWrittenAtClose() {
        QFETCH(QString, item);
        QFETCH(QStringList, changed);
        QFont italic("DejaVu Sans", 12);
        italic.setItalic(true);
        if (item == "N3")
            mainWindow.desktop().answerFont({italic, QColor(255, 0, 0)});
        else if (item != "N4")
            mainWindow.desktop().answerColour(QColor(0x12, 0x34, 0x56));
        trigger(item.toLatin1());
        QVERIFY(form().close());

        QStringList expected = kFirstRun;
        for (const QString& line : changed)
            expected.replaceInStrings(QRegularExpression("^" + line.section('=', 0, 0) + "=.*"),
                                      line);
        QCOMPARE(settingsLines(), expected);
        if (item == "N5")
            QCOMPARE(form().inputs().windingsGrid->fixedColour(), QColor(0x12, 0x34, 0x56));
    }

    void bothColourCommandsShareTheDialog() {
        mainWindow.desktop().answerColour(Qt::red);
        mainWindow.desktop().cancelColour();
        mainWindow.desktop().cancelFont();
        trigger("N5");
        trigger("N6");
        trigger("N3");
        const QList<QColor>& shown = mainWindow.desktop().colourRequests();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1], QColor(Qt::red));
        // The font dialog starts from the window's font, in points, and its colour.
        const FontChoice& font = mainWindow.desktop().fontRequests().value(0);
        QCOMPARE(font.font.pointSize(), 8);
        QVERIFY(font.font.bold());
        QCOMPARE(font.colour, QColor(0, 0, 0x80));
    }

    // The dialog opens at the face the window shows; confirming it unchanged changes nothing,
    // and no choice reaches the controls with a font of their own.
    void theFontCommandKeepsWhatItDoesNotChange() {
        const QFont before = form().centralWidget()->font();
        mainWindow.desktop().cancelFont();
        trigger("N3");
        const FontChoice shown = mainWindow.desktop().fontRequests().value(0);
        QCOMPARE(shown.font.family(), QFontInfo(before).family());
        mainWindow.desktop().answerFont(shown);
        trigger("N3");
        QCOMPARE(form().centralWidget()->font(), before);

        QFont italic("DejaVu Serif", 12);
        italic.setItalic(true);
        mainWindow.desktop().answerFont({italic, Qt::darkRed});
        trigger("N3");
        for (const char* own : {"Button1", "ST1", "ST2"})
            QVERIFY2(!form().findChild<QWidget*>(own)->font().italic(), own);
        QCOMPARE(form().inputs().calculate->palette().color(QPalette::ButtonText),
                 QColor(0, 0, 0x80));
        QVERIFY(form().close());
        QCOMPARE(settingsLines().filter("name="), QStringList{"name=DejaVu Serif"});
    }

    void aSavedLookIsRestored() {
        QFile file("Navivor.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        // SG1 overrides bgc1; colours may be written in hexadecimal.
        file.write("[Color]\nbgc1=255\nSG1=$FF0000\nbgc2=0xFF0000\nform=65280\n"
                   "[Font]\nsize=12\nname=DejaVu Sans\n");
        file.close();
        mainWindow.windows = std::make_unique<NavivorWindows>();
        QCOMPARE(form().inputs().windingsGrid->cellColour(), QColor(0, 0, 255));
        QCOMPARE(form().inputs().primaryGrid->cellColour(), QColor(0, 0, 255));
        QCOMPARE(form().inputs().windingsGrid->fixedColour(), QColor(0, 255, 0));
        QCOMPARE(form().centralWidget()->palette().color(QPalette::Window), QColor(0, 255, 0));
        QCOMPARE(form().centralWidget()->font().family(), QString("DejaVu Sans"));
        QCOMPARE(form().centralWidget()->font().pixelSize(), 16);
        QVERIFY(form().centralWidget()->font().bold()); // the style is the design's
    }

    // The user is told once, and the program still ends.
    void aReadOnlySettingsFileIsNamedOnceAndTheWindowCloses() {
        QFile file("Navivor.ini");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Font]\nsize=9\n");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner));
        QVERIFY(form().close());
        QVERIFY(!form().isVisible());
        QCOMPARE(mainWindow.desktop().messages().size(), 1);
        QCOMPARE(mainWindow.desktop().messages().last().text,
                 QString("Unable to write to ./Navivor.ini."));
        QCOMPARE(settingsLines(), QStringList({"[Font]\nsize=9\n"}));
    }
};

} // namespace navivor::test

NAVIVOR_QTEST_MAIN(navivor::test::AppearanceTest)
#include "appearance_test.moc"
