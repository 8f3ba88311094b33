// SPDX-License-Identifier: GPL-3.0-or-later
// navivor-calc run as a separate process: its output bytes and exit status.
#include "support/print_fields.h"
#include "support/temporary_directory.h"
#include "support/worked_example.h"
#include "text/cp1251.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace navivor {
namespace {

using navivor::testing::TemporaryCurrentDirectory;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& argument) {
    std::string result = "'";
    for (char c : argument)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

std::string contents(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// Runs in the current directory with a locale whose separator is the full stop, unless the
// environment says otherwise; a run that outlasts the time allowed is stopped and fails with
// status 124.
Outcome navivorCalc(const std::vector<std::string>& arguments, int secondsAllowed = 60,
                    const std::string& standardOutput = ">out.bin",
                    const std::string& environment = "LC_ALL=C",
                    const std::string& program = NAVIVOR_CALC) {
    std::ofstream("out.bin", std::ios::trunc).close();
    std::string command =
        environment + " timeout " + std::to_string(secondsAllowed) + " " + quoted(program);
    for (const std::string& argument : arguments)
        command += " " + quoted(argument);
    command += " " + standardOutput + " 2>err.bin </dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, contents("out.bin"), contents("err.bin")};
}

std::vector<std::string> joined(std::vector<std::string> first,
                                const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class NavivorCalc : public ::testing::Test {
protected:
    TemporaryCurrentDirectory directory;
};

TEST_F(NavivorCalc, FirstWorkedExampleByteForByte) {
    const Outcome run = navivorCalc({"--separator", ",", "--core", "1000"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, crlfLines(testing::kWorkedExampleReport));
    EXPECT_EQ(run.err, "");
}

TEST_F(NavivorCalc, DiametersAddOneFillCheck) {
    const Outcome run =
        navivorCalc({"--separator", ",", "--primary", "220", "--secondary", "12:2", "--frequency",
                     "50", "--core", "1000", "--window", "500", "--thickness", "0,35", "--diameter",
                     "0,27", "--diameter", "1,12"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              crlfLines(joined(testing::kWorkedExampleReport, testing::kWorkedExampleFill)));
}

TEST_F(NavivorCalc, Cp1251Output) {
    const Outcome run = navivorCalc({"--separator=,", "--core=400", "--encoding=cp1251"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              encodeCp1251(crlfLines({"Недостаточное сечение сердечника !!!",
                                      "Требуемое сечение сердечника не менее 491  мм. кв."})));
}

TEST_F(NavivorCalc, InsufficientCoreIgnoresDiameters) {
    const Outcome run = navivorCalc({"--core", "400", "--diameter", "0.3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.find("ЗАПОЛНЕНИЕ"), std::string::npos);
}

TEST_F(NavivorCalc, DefaultsUseTheLocaleSeparatorAndSpinRanges) {
    // Out-of-range spin texts are clamped, unparsable ones read as the minimum.
    const Outcome run = navivorCalc({"--frequency", "5000", "--core", "abc", "--secondary", ":"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Частота тока, Гц - 1000\r\n"), std::string::npos);
    EXPECT_NE(run.out.find("обмотки, мм.кв. - 1\r\n"), std::string::npos);
    EXPECT_NE(run.out.find("Расчетное напряжение, В - 0\r\n"), std::string::npos);
}

const std::string kEnglishMessages =
    "[Messages]\nMes3=Core section too small!!!\nMes4=Use at least\nMes5=\" mm2\"\n";

TEST_F(NavivorCalc, TextsFromALanguageFile) {
    TemporaryCurrentDirectory::write("lang/English.ini", kEnglishMessages);
    for (const char* name : {"English", "English.ini", "english.INI"}) {
        const Outcome run = navivorCalc({"--lang", name, "--core", "400"});
        EXPECT_EQ(run.out, crlfLines({"Core section too small!!!", "Use at least 491  mm2"}))
            << name;
    }
    // The built-in language needs no file.
    EXPECT_EQ(navivorCalc({"--lang", "Russian", "--core", "400"}).status, 0);
}

// Installed, the program finds share/navivor/lang/ beside its bin/ when lang/ has no such file.
TEST_F(NavivorCalc, InstalledLanguageFiles) {
    TemporaryCurrentDirectory::write("usr/share/navivor/lang/English.ini", kEnglishMessages);
    std::filesystem::create_directories("usr/bin");
    std::filesystem::copy_file(NAVIVOR_CALC, "usr/bin/navivor-calc");
    const Outcome run =
        navivorCalc({"--lang", "English", "--core", "400"}, 60, ">out.bin", "LC_ALL=C",
                    (directory.path() / "usr/bin/navivor-calc").string());
    EXPECT_EQ(run.out, crlfLines({"Core section too small!!!", "Use at least 491  mm2"}));
}

TEST_F(NavivorCalc, LanguageFileThatIsAFifoIsRefusedAtOnce) {
    std::filesystem::create_directory("lang");
    ASSERT_EQ(::mkfifo("lang/fifo.ini", 0600), 0);
    const Outcome run = navivorCalc({"--lang", "fifo", "--core", "400"}, 1);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
}

// A locale's separator that Windows-1251 lacks would be saved as "?": the full stop stands in.
TEST_F(NavivorCalc, LocaleSeparatorOutsideTheCodePage) {
    if (std::system("localedef -i ps_AF -f UTF-8 ps_AF.UTF-8 >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "localedef cannot make ps_AF.UTF-8";
    const Outcome run =
        navivorCalc({"--core", "1000"}, 60, ">out.bin", "LOCPATH=. LC_ALL=ps_AF.UTF-8");
    EXPECT_NE(run.out.find("мм.: 0.264\r\n"), std::string::npos) << run.out;
}

// The separator of the locale the C library takes for numbers: LC_ALL before LC_NUMERIC before
// LANG, an empty one passed over, and a locale of LOCPATH before the system's of its name,
// even one named as the C locale.
TEST_F(NavivorCalc, LocaleSeparatorAsTheCLibraryFindsIt) {
    if (std::system("localedef -i ru_RU -f UTF-8 ./ru_RU.UTF-8 >/dev/null 2>&1 && "
                    "cp -r ru_RU.UTF-8 C.UTF-8") != 0)
        GTEST_SKIP() << "localedef cannot make ru_RU.UTF-8";
    const std::pair<std::string, std::string> cases[] = {
        {"LC_ALL=C.UTF-8", "0.264"},
        {"LOCPATH=. LC_ALL=C.UTF-8", "0,264"},
        {"LOCPATH=. LC_ALL= LC_NUMERIC=ru_RU.UTF-8 LANG=C", "0,264"},
        {"LOCPATH=. LC_ALL=C LC_NUMERIC=ru_RU.UTF-8", "0.264"},
        {"LOCPATH=. LC_ALL= LC_NUMERIC=POSIX LANG=ru_RU.UTF-8", "0.264"},
        {"LOCPATH=. LC_ALL= LC_NUMERIC= LANG=ru_RU.UTF-8", "0,264"},
    };
    for (const auto& [environment, diameter] : cases) {
        const Outcome run = navivorCalc({"--core", "1000"}, 60, ">out.bin", environment);
        EXPECT_NE(run.out.find("мм.: " + diameter + "\r\n"), std::string::npos) << environment;
    }
}

struct JsonCase {
    std::vector<std::string> arguments;
    std::string json;
};

void PrintTo(const JsonCase& c, std::ostream* os) {
    testing::printFields(os, c.arguments);
}

class NavivorCalcJson : public NavivorCalc, public ::testing::WithParamInterface<JsonCase> {};

TEST_P(NavivorCalcJson, OneObjectWithTheReportsFigures) {
    const Outcome run = navivorCalc(joined({"--format", "json"}, GetParam().arguments));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, GetParam().json + "\n");
    EXPECT_EQ(run.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Designs, NavivorCalcJson,
    ::testing::Values(
        // The first worked example: its report's figures, with the full stop of JSON.
        JsonCase{{"--separator", ",", "--core", "1000", "--window", "500", "--diameter", "0,27",
                  "--diameter", "1,12"},
                 R"({"inputs":{"primary":"220","frequency":50,"core":1000,"window":500,)"
                 R"("thickness":"0,1","secondaries":[{"voltage":"12","current":"2"}],)"
                 R"("diameters":["0,27","1,12"]},"loadPower":24,"induction":0.8,)"
                 R"("turnsPerVolt":5.5,"coreSufficient":true,)"
                 R"("primary":{"turns":1210,"diameter":0.264},"secondaries":[{"number":1,)"
                 R"("voltage":"12","current":"2","turns":69,"diameter":1.129}],)"
                 R"("fill":{"percent":47.4}})"},
        // Diameters are not read under an insufficient core, so any bytes reach the JSON.
        JsonCase{{"--core", "400", "--secondary", ":", "--secondary", "12:2", "--diameter",
                  "a\"b\\c\t\xff"},
                 R"({"inputs":{"primary":"220","frequency":50,"core":400,"window":1,)"
                 R"("thickness":"0.1","secondaries":[{"voltage":"0","current":"0"},)"
                 R"({"voltage":"12","current":"2"}],)"
                 R"("diameters":["a\"b\\c\u0009)"
                 "\uFFFD"
                 R"("]},"loadPower":24,"induction":0.8,"coreSufficient":false,)"
                 R"("smallestSection":491})"},
        // A separator of two bytes, an exponent form, the primary as the press raised it, and
        // a window too small for the wires.
        JsonCase{{"--separator", "·", "--primary", "0·05", "--secondary", "0·0015:0·01", "--core",
                  "1000", "--frequency", "60", "--diameter", "2"},
                 R"({"inputs":{"primary":"0·1","frequency":60,"core":1000,"window":1,)"
                 R"("thickness":"0·1","secondaries":[{"voltage":"0·0015","current":"0·01"}],)"
                 R"("diameters":["2"]},)"
                 R"("loadPower":1.5E-5,"induction":0.7,"turnsPerVolt":5.23809523809524,)"
                 R"("coreSufficient":true,"primary":{"turns":1,"diameter":0.01},)"
                 R"("secondaries":[{"number":1,"voltage":"0·0015","current":"0·01",)"
                 R"("turns":0,"diameter":0.08}],"fill":{"windowAreaNeeded":6}})"}));

struct FailureCase {
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    testing::printFields(os, c.arguments);
}

class NavivorCalcFailures : public NavivorCalc,
                            public ::testing::WithParamInterface<FailureCase> {};

TEST_P(NavivorCalcFailures, StatusAndStreams) {
    const Outcome run = navivorCalc(GetParam().arguments);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, GetParam().out);
    // A usage error is its message and where to read more.
    if (GetParam().status == 2)
        EXPECT_TRUE(run.err.starts_with(GetParam().err) && std::ranges::count(run.err, '\n') == 2 &&
                    run.err.ends_with("\nTry 'navivor-calc --help' for more information.\n"))
            << run.err;
    else
        EXPECT_EQ(run.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NavivorCalcFailures,
    ::testing::Values(
        FailureCase{{"--thickness", "0"}, 1, "", "Введите значение толщины пластин сердечника !\n"},
        FailureCase{{"--thickness", ""}, 1, "", "Введите значение толщины пластин сердечника !\n"},
        FailureCase{{"--thickness", "0,1"}, 1, "", "'0,1' is not a valid floating point value.\n"},
        FailureCase{
            {"--secondary", "1,2,3:1"}, 1, "", "'1,2,3' is not a valid floating point value.\n"},
        FailureCase{{"--primary", ""}, 1, "", "'' is not a valid floating point value.\n"},
        // The smallest section is out of Round's range after its first line went out.
        FailureCase{{"--secondary", "1e40:2"},
                    1,
                    crlfLines({"Недостаточное сечение сердечника !!!"}),
                    "Invalid floating point operation.\n"},
        // A failure in the fill check: the winding report and the fill lines before it.
        FailureCase{
            {"--separator", ",", "--core", "1000", "--diameter", "0,3", "--diameter", "x"},
            1,
            crlfLines(joined(testing::kWorkedExampleReport,
                             {"ЗАПОЛНЕНИЕ ОКНА СЕРДЕЧНИКА", "Площадь окна сердечника :1 мм. кв.",
                              "Принятый диаметр провода первичной обмотки : 0,3 мм."})),
            "'x' is not a valid floating point value.\n"},
        // JSON gives a script the whole object or nothing.
        FailureCase{{"--format", "json", "--thickness", "0"},
                    1,
                    "",
                    "Введите значение толщины пластин сердечника !\n"},
        FailureCase{{"--format", "json", "--separator", ",", "--core", "1000", "--diameter", "x"},
                    1,
                    "",
                    "'x' is not a valid floating point value.\n"},
        // A --dc value is read like any number text, before the press.
        FailureCase{{"--dc", "12,5:1"}, 1, "", "'12,5' is not a valid floating point value.\n"},
        // The rectifier's and the sheet's failures are texts of the language.
        FailureCase{{"--dc", "12:0"},
                    1,
                    "",
                    "Постоянное напряжение и ток должны быть положительными числами.\n"},
        FailureCase{{"--core", "400", "--winding-sheet"},
                    1,
                    crlfLines({"Недостаточное сечение сердечника !!!",
                               "Требуемое сечение сердечника не менее 491  мм. кв."}),
                    "The winding sheet needs a core large enough for the windings.\n"},
        FailureCase{{"--format", "json", "--core", "400", "--winding-sheet"},
                    1,
                    "",
                    "The winding sheet needs a core large enough for the windings.\n"},
        // A sheet figure out of its range is refused as an option is, its range named.
        FailureCase{
            {"--separator", ",", "--core", "1000", "--winding-sheet", "--bobbin-wall", "-1"},
            2,
            "",
            "navivor-calc: Стенка каркаса, мм: введите значение от 0 и меньше 15,81.\n"},
        FailureCase{{"--core", "1000", "--winding-sheet", "--bobbin-wall", "50"},
                    2,
                    "",
                    "navivor-calc: Стенка каркаса, мм: введите значение от 0 и меньше 15.81.\n"},
        FailureCase{{"--core", "1000", "--winding-sheet", "--tongue", "1e-300"},
                    2,
                    "",
                    "navivor-calc: Ширина языка, мм: введите значение от 1 до 1000.\n"},
        FailureCase{
            {"--format", "json", "--core", "1000", "--winding-sheet", "--diameter", "1e-300"},
            2,
            "",
            "navivor-calc: Диаметр провода первичной обмотки, мм: введите значение от 0.01 до "
            "10.\n"},
        // A wire in range whose drop leaves no voltage under load.
        FailureCase{{"--format", "json", "--core", "1000", "--winding-sheet", "--diameter", "0.01"},
                    1,
                    "",
                    "Падение напряжения в проводе первичной обмотки не оставляет напряжения под "
                    "нагрузкой: выберите провод толще.\n"},
        // Control characters typed are shown, not sent to the terminal.
        FailureCase{
            {"--separator", ",", "--core", "1000", "--diameter", "\x1B]0;x\x07"},
            1,
            crlfLines(joined(testing::kWorkedExampleReport,
                             {"ЗАПОЛНЕНИЕ ОКНА СЕРДЕЧНИКА", "Площадь окна сердечника :1 мм. кв.",
                              "Принятый диаметр провода первичной обмотки : \\x1B]0;x\\x07 "
                              "мм."})),
            "'\\x1B]0;x\\x07' is not a valid floating point value.\n"},
        FailureCase{{"--format", "\x1B[2J"},
                    2,
                    "",
                    "navivor-calc: --format takes report or json, got '\\x1B[2J'\n"},
        FailureCase{
            {"--lang", "Klingon"}, 2, "", "navivor-calc: --lang: no readable language file"},
        FailureCase{{"--lang", "../x"}, 2, "", "navivor-calc: --lang takes the name of a file"},
        FailureCase{{"--separator", "٫", "--encoding", "cp1251"},
                    2,
                    "",
                    "navivor-calc: --separator '٫' has no character in cp1251"},
        FailureCase{{"--separator", ",", "--core", "1000", "--winding-sheet", "--tongue", "2.5"},
                    1,
                    crlfLines(testing::kWorkedExampleReport),
                    "'2.5' is not a valid floating point value.\n"},
        FailureCase{{"--dc", "12:1:full"}, 2, "", "navivor-calc: --dc takes the kind"},
        FailureCase{{"--dc", "12"}, 2, "", "navivor-calc: --dc takes VOLTAGE:CURRENT"},
        FailureCase{{"--headroom", "2"}, 2, "", "navivor-calc: --diode-drop, --headroom"},
        FailureCase{{"--spare", "5"}, 2, "", "navivor-calc: --spare applies to --winding-sheet"},
        FailureCase{{"--format", "xml"}, 2, "", "navivor-calc: --format takes"},
        FailureCase{
            {"--format", "json", "--encoding", "cp1251"}, 2, "", "navivor-calc: --format json"},
        FailureCase{{"--bogus"}, 2, "", "navivor-calc: unknown option '--bogus'"},
        FailureCase{{"--secondary", "12"}, 2, "", "navivor-calc: --secondary takes"},
        FailureCase{{"--primary"}, 2, "", "navivor-calc: --primary needs a value"},
        FailureCase{{"--encoding", "koi8-r"}, 2, "", "navivor-calc: --encoding takes"},
        FailureCase{{"--separator", "ab"}, 2, "", "navivor-calc: --separator takes"},
        FailureCase{{"--separator", "5"}, 2, "", "navivor-calc: --separator takes"},
        FailureCase{{"--separator", "\u0301"}, 2, "", "navivor-calc: --separator takes"},
        FailureCase{{"--diameter", "1", "--diameter", "2", "--diameter", "3"},
                    2,
                    "",
                    "navivor-calc: more --diameter values"}));

TEST_F(NavivorCalc, AtMostFiftySecondaries) {
    std::vector<std::string> arguments;
    for (int k = 0; k < 50; ++k)
        arguments.insert(arguments.end(), {"--secondary", "1:0.01"});
    EXPECT_EQ(navivorCalc(arguments).status, 0);
    arguments.insert(arguments.end(), {"--secondary", "1:0.01"});
    const Outcome run = navivorCalc(arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    // A --dc winding is one of the fifty.
    arguments.end()[-2] = "--dc";
    EXPECT_EQ(navivorCalc(arguments).status, 2);
}

struct FragmentCase {
    std::vector<std::string> arguments;
    std::vector<std::string> out; // each found in standard output
};

void PrintTo(const FragmentCase& c, std::ostream* os) {
    testing::printFields(os, c.arguments);
}

class NavivorCalcFragments : public NavivorCalc,
                             public ::testing::WithParamInterface<FragmentCase> {};

TEST_P(NavivorCalcFragments, ReportHolds) {
    const Outcome run = navivorCalc(GetParam().arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    for (const std::string& fragment : GetParam().out)
        EXPECT_NE(run.out.find(fragment), std::string::npos) << fragment << "\nin\n" << run.out;
}

const std::vector<std::string> kSheetOfWorkedExample = {
    "--separator", ",",    "--core",     "1000", "--window",       "500",
    "--diameter",  "0,27", "--diameter", "1,12", "--winding-sheet"};

INSTANTIATE_TEST_SUITE_P(
    RectifierAndSheet, NavivorCalcFragments,
    ::testing::Values(
        // The rows as the rectifier dialog fills them: its published examples.
        FragmentCase{{"--separator", ",", "--dc", "12:1", "--core", "1000"},
                     {"Расчетное напряжение, В - 11,2\r\nРасчетный ток, А - 1,8\r\n"}},
        FragmentCase{{"--separator", ",", "--dc", "5:2:centre-tap", "--core", "1000"},
                     {"Расчетное напряжение, В - 10,2\r\nРасчетный ток, А - 2,4\r\n"}},
        // 0,8 x (12,5 + 2 + 2 x 0,7) = 12,72 V, 1,8 x 0,5 A.
        FragmentCase{{"--separator", ",", "--dc", "12,5:0,5:bridge", "--diode-drop", "0,7",
                      "--headroom", "2", "--core", "1000"},
                     {"Расчетное напряжение, В - 12,72\r\nРасчетный ток, А - 0,9\r\n"}},
        FragmentCase{{"--separator", ",", "--dc", "5:0,1:half-wave", "--core", "1000"},
                     {"Расчетное напряжение, В - 5,28\r\nРасчетный ток, А - 0,26\r\n"}},
        FragmentCase{{"--secondary", "6:1", "--dc", "12:1", "--core", "1000"},
                     {"Обмотка 1\r\nРасчетное напряжение, В - 6\r\n",
                      "Обмотка 2\r\nРасчетное напряжение, В - 11.2\r\n"}},
        // The sheet follows the fill check; the chosen wires, not the calculated ones.
        FragmentCase{kSheetOfWorkedExample,
                     {"Заполнение окна : 47,4 %\r\nНАМОТОЧНЫЕ ДАННЫЕ\r\n",
                      "ПЕРВИЧНАЯ ОБМОТКА :\r\nКоличество витков : 1210\r\n"
                      "Диаметр провода по меди / в эмали, мм - 0,270 / 0,319\r\n",
                      "Витков для номинального напряжения под нагрузкой : 71\r\n",
                      "Обмотки помещаются в окне.\r\n"}},
        FragmentCase{{"--separator", ",", "--dc", "12:1", "--core", "1000", "--winding-sheet"},
                     {"Диаметр провода по меди / в эмали, мм - 0,242 /", "Ток, А - 1,800\r\n"}},
        // Every figure option reaches its own figure.
        FragmentCase{
            joined(kSheetOfWorkedExample, {"--tongue", "20", "--stack", "50", "--window-width", "6",
                                           "--window-height", "40", "--spare", "0", "--temperature",
                                           "20", "--bobbin-wall", "2", "--layer-tape", "0,1"}),
            {"мм - 20,00 x 50,00\r\nОкно: ширина x высота, мм - 6,00 x 40,00\r\n"
             "Стенка каркаса, мм - 2,00\r\nИзоляция поверх каждого слоя, мм - 0,10\r\n"
             "Запас провода, % - 0,0\r\nРабочая температура, °C - 20,0\r\n",
             "ОБМОТКИ НЕ ПОМЕЩАЮТСЯ В ОКНЕ !\r\n"}},
        FragmentCase{{"--core", "1000", "--winding-sheet", "--encoding", "cp1251"},
                     {encodeCp1251("\r\nНАМОТОЧНЫЕ ДАННЫЕ\r\n")}}));

TEST_F(NavivorCalc, SheetTextsFromALanguageFile) {
    TemporaryCurrentDirectory::write("lang/English.ini",
                                     "[WindingSheetForm]\nSheetTitle=WINDING SHEET\n");
    const Outcome run = navivorCalc({"--lang", "English", "--core", "1000", "--winding-sheet"});
    EXPECT_NE(run.out.find("\r\nWINDING SHEET\r\n"), std::string::npos) << run.out;
}

// The JSON read by a JSON reader; check is a Python condition on the object d.
struct JsonReadCase {
    std::vector<std::string> arguments;
    std::string check;
};

void PrintTo(const JsonReadCase& c, std::ostream* os) {
    testing::printFields(os, c.arguments, c.check);
}

class NavivorCalcJsonRead : public NavivorCalc,
                            public ::testing::WithParamInterface<JsonReadCase> {};

TEST_P(NavivorCalcJsonRead, Holds) {
    const Outcome run = navivorCalc(joined({"--format", "json"}, GetParam().arguments));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string script = "import json\nd = json.load(open('out.bin', encoding='utf-8'))\n"
                               "assert " +
                               GetParam().check + ", d";
    EXPECT_EQ(std::system(("python3 -c " + quoted(script)).c_str()), 0) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    RectifierAndSheet, NavivorCalcJsonRead,
    ::testing::Values(
        JsonReadCase{kSheetOfWorkedExample,
                     "d['windingSheet']['secondaries'][0]['turnsForNominal'] == 71 and "
                     "d['windingSheet']['fits'] is True and "
                     "d['windingSheet']['primary']['diameter'] == 0.27 and "
                     "'noLoadVoltage' not in d['windingSheet']['primary'] and "
                     "d['fill'] == {'percent': 47.4}"},
        JsonReadCase{{"--core", "1000", "--winding-sheet", "--tongue", "20", "--layer-tape", "0.1",
                      "--temperature", "75"},
                     "d['windingSheet']['core']['tongueWidth'] == 20 and "
                     "d['windingSheet']['allowances'] == {'sparePercent': 10, "
                     "'workingTemperature': 75, 'bobbinWall': 1, 'layerInsulation': 0.1}"},
        JsonReadCase{{"--dc", "5:2:centre-tap", "--secondary", "6:1"},
                     "d['inputs']['secondaries'][0]['voltage'] == '10.2' and "
                     "d['inputs']['secondaries'][0]['dc']['kind'] == 'centre-tap' and "
                     "d['inputs']['secondaries'][0]['dc']['acCurrent'] == 2.4 and "
                     "'dc' not in d['inputs']['secondaries'][1] and "
                     "'windingSheet' not in d"}));

struct ToolCase {
    std::string laminations; // laminations.csv in the current directory; empty: none written
    std::vector<std::string> arguments;
    int status;
    std::vector<std::string> outFragments;
    std::string errFragment;
};

// The worked example's 1,129 mm secondary becomes 1,18 mm, whose grade 2 diameter goes to the
// fill check; the core pick of the series of wire_and_core_test.cpp, in 0,5 mm laminations.
TEST_F(NavivorCalc, StandardWireAndCorePick) {
    const std::string series = "# a;w;h\nT22;22;11;33\nT16;16;2;30\nT25;25;12.5;37.5\n";
    const std::vector<std::string> example = {"--separator", ",", "--core", "1000"};
    const ToolCase cases[] = {
        {"",
         joined(example, {"--standard-wire", "--winding-sheet"}),
         0,
         {"Принятый диаметр провода вторичной обмотки 1 : 1,278 мм.\r\n",
          "Диаметр провода расчетный / стандартный, мм - 1,129 / 1,180\r\n"
          "Диаметр провода по меди / в эмали, мм - 1,180 / 1,278\r\n"},
         ""},
        {"",
         {"--core", "1000", "--diameter", "0.3", "--standard-wire", "--format", "json"},
         0,
         {R"("primary":{"turns":1210,"diameter":0.264},)",
          R"("diameter":1.129,"standardDiameterMm":1.18})"},
         ""},
        {series,
         joined(example, {"--pick-core", "--thickness", "0,5"}),
         0,
         {"ПОДБОР СЕРДЕЧНИКА\r\n", "T25: 25,00 x 33,00 / 825 / 469 / 82,8 / ",
          "Выбран сердечник : T25, 33,00\r\n"},
         ""},
        {series,
         {"--pick-core", "--thickness", "0.5", "--format", "json"},
         0,
         {R"("coreChoices":[{"name":"T25","tongueMm":25,"stackMm":33,"sectionMm2":825,)"
          R"("windowMm2":468.75,"fillPercent":82.76)"},
         ""},
        {"T16;16;2;30\n", {"--pick-core"}, 1, {}, "Ни один сердечник ряда не вмещает обмотки."},
        {"T16;16;2\n", {"--pick-core"}, 1, {}, "laminations.csv, line 1: expected name;"},
    };
    for (const ToolCase& c : cases) {
        std::filesystem::remove("laminations.csv");
        if (!c.laminations.empty())
            std::ofstream("laminations.csv") << c.laminations;
        const Outcome run = navivorCalc(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments.back() << run.err;
        for (const std::string& fragment : c.outFragments)
            EXPECT_NE(run.out.find(fragment), std::string::npos) << fragment;
        EXPECT_NE(run.err.find(c.errFragment), std::string::npos) << run.err;
    }
}

TEST_F(NavivorCalc, HelpAndVersion) {
    const Outcome help = navivorCalc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.starts_with("Usage: navivor-calc")) << help.out;
    const Outcome version = navivorCalc({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "navivor-calc (Navivor) " NAVIVOR_VERSION "\n");
}

// Output that cannot be written is a failure, told on standard error.
TEST_F(NavivorCalc, WriteErrors) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--core", "1000"}, ">/dev/full"},
        {{"--core", "1000"}, ">&-"},
        {{"--format", "json"}, ">/dev/full"},
        {{"--help"}, ">/dev/full"},
        {{"--version"}, ">&-"}};
    for (const auto& [arguments, standardOutput] : cases) {
        const Outcome run = navivorCalc(arguments, 60, standardOutput);
        EXPECT_EQ(run.status, 1) << arguments[0] << standardOutput;
        EXPECT_TRUE(run.err.starts_with("navivor-calc: write error: ")) << run.err;
    }
}

} // namespace
} // namespace navivor
