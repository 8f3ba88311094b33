// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "calc/core_steel.h"
#include "calc/winding_design.h"
#include "text/decimal_separator.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace navivor::cli {

const char* const kUsage =
    "Usage: navivor-calc [--primary TEXT] [--secondary U:I]... [--dc V:I[:KIND]]...\n"
    "                    [--diode-drop V] [--headroom V] [--capacitance UF | --ripple V]\n"
    "                    [--frequency F] [--core S]\n"
    "                    [--window W] [--thickness TEXT] [--diameter TEXT]...\n"
    "                    [--winding-sheet [--tongue MM] [--stack MM] [--window-width MM]\n"
    "                    [--window-height MM] [--spare PERCENT] [--temperature C]\n"
    "                    [--bobbin-wall MM] [--layer-tape MM] [--steel GRADE]\n"
    "                    [--ambient C] [--insulation-class C] [--bulge FACTOR]\n"
    "                    [--inter-winding MM] [--outer-wrap MM]] [--standard-wire]\n"
    "                    [--pick-core]\n"
    "                    [--lang NAME] [--separator C] [--encoding utf-8|cp1251]\n"
    "                    [--format report|json]\n"
    "       navivor-calc --batch [OPTION]... <LINES\n"
    "       navivor-calc --help | --version\n"
    "\n"
    "Calculates a mains transformer on an E-shaped core and prints the report.\n"
    "\n"
    "  --primary TEXT     primary voltage, V (default 220)\n"
    "  --secondary U:I    one secondary winding, voltage and current; 1 to 50 times\n"
    "                     (default 12:2)\n"
    "  --dc V:I[:KIND]    one secondary winding feeding a rectifier with a capacitor-input\n"
    "                     filter that gives V volts DC at I amperes; KIND bridge (default),\n"
    "                     centre-tap or half-wave; in order among the --secondary windings\n"
    "                     and counted with them\n"
    "  --diode-drop V     V across one conducting diode, for every --dc (default 1)\n"
    "  --headroom V       V a regulator needs above its output, for every --dc (default 0)\n"
    "  --capacitance UF   smoothing capacitor of every --dc, uF, above 0 to 1000000\n"
    "  --ripple V         else the least capacitor giving this ripple peak to peak at\n"
    "                     nominal mains (default 10 % of the DC voltage); the rectifier is\n"
    "                     then run in time at nominal mains and at -10 %, the winding from\n"
    "                     the winding sheet, or estimated when the core is too small;\n"
    "                     half-wave is refused above 0.5 W (its DC current biases the core)\n"
    "  --frequency F      mains frequency, Hz, 1 to 1000 (default 50)\n"
    "  --core S           core section under the windings, mm2, 1 to 1000000 (default 1)\n"
    "  --window W         core window area, mm2, 1 to 10000000 (default 1)\n"
    "  --thickness TEXT   lamination thickness, mm (default 0.1)\n"
    "  --diameter TEXT    chosen wire diameter, mm: first the primary, then each secondary;\n"
    "                     given once or more, the window fill check follows\n"
    "  --winding-sheet    after the report, the winding sheet: layers, wire lengths and\n"
    "                     masses, resistances, drops and loaded voltages; with the chosen\n"
    "                     diameters where given, each 0.01 to 10; needs a sufficient core\n"
    "  --tongue MM        tongue width, 1 to 1000 (default: the square root of the section)\n"
    "  --stack MM         stack height, 1 to 1000 (default: the same)\n"
    "  --window-width MM  window width, tongue to outer limb, 1 to 1000 (default: half the\n"
    "                     tongue)\n"
    "  --window-height MM window height along the tongue, 1 to 1000 (default: 1.5 tongues)\n"
    "  --spare PERCENT    wire bought beyond the wound length, 0 to 100 (default 10)\n"
    "  --temperature C    copper held at this temperature, degC, -60 to 220 (default: the\n"
    "                     temperature its losses settle at in still air)\n"
    "  --bobbin-wall MM   bobbin tube and cheeks, 0 to less than half the window height and\n"
    "                     less than the window width (default 1)\n"
    "  --layer-tape MM    insulation over every layer, 0 to less than the window width less\n"
    "                     the bobbin wall (default 0.05)\n"
    "  --steel GRADE      core steel: M270-35A, M330-35A, M350-50A, M400-50A, M530-50A,\n"
    "                     M800-50A, M800-65A, M1000-65A, M700-100A, M1000-100A (default:\n"
    "                     the middle grade of the thickness nearest --thickness)\n"
    "  --ambient C        still air round the transformer, degC, -60 to 220 (default 25)\n"
    "  --insulation-class C  degC the insulation may reach, 90 to 250 (default 130, B)\n"
    "  --bulge FACTOR     build-up of wound turns over flat ones, 1 to 2 (default 1)\n"
    "  --inter-winding MM insulation between primary and secondaries (default 0.4)\n"
    "  --outer-wrap MM    insulation over the outermost winding (default 0.4)\n"
    "  --standard-wire    round every wire whose --diameter is not given up to the next\n"
    "                     standard diameter (R40 series of IEC 60317-0-1, 0.05 to 5 mm): the\n"
    "                     fill check takes its grade 2 overall diameter, the winding sheet\n"
    "                     its copper diameter and shows the calculated one beside it\n"
    "  --pick-core        after the report, the cores of the lamination series\n"
    "                     (laminations.csv in the current directory, else the installed one)\n"
    "                     whose section is enough and whose windings fit the window, each\n"
    "                     with the smallest stack from one to two tongues in steps of one\n"
    "                     lamination (--thickness), smallest core first; the first is the\n"
    "                     pick; none fitting is a failure\n"
    "  --lang NAME        texts from lang/NAME.ini, else from the installed one (default:\n"
    "                     built-in texts)\n"
    "  --separator C      decimal separator (default: the locale's)\n"
    "  --encoding E       output encoding, utf-8 or cp1251 (default utf-8)\n"
    "  --format F         report: the report, lines ending in CR LF (default);\n"
    "                     json: inputs and results as one line of JSON in UTF-8, numbers\n"
    "                     with a full stop; nothing on standard output if it fails\n"
    "  --batch            designs from standard input, one JSON object a line whose keys are\n"
    "                     the options above without the dashes and whose values are their\n"
    "                     texts, a list of strings for --secondary, --dc and --diameter,\n"
    "                     true for a flag (--winding-sheet, --standard-wire, --pick-core):\n"
    "                     {\"core\": \"1000\", \"secondary\":\n"
    "                     [\"12:2\", \"5:1\"]}; for each line, one line of output: the\n"
    "                     design's --format json object or {\"error\":\"...\",\"line\":N}.\n"
    "                     Blank lines are skipped but counted. The options beside --batch\n"
    "                     apply to every line; a line's key replaces its option, a list the\n"
    "                     whole list (--secondary and --dc make one list of windings), and\n"
    "                     a --dc option or a sheet figure stays unused in a line\n"
    "                     with nothing for it. --format, --encoding, --help, --version and\n"
    "                     --batch are no keys. Language files are read once a batch.\n"
    "  --help             this text\n"
    "  --version          the version\n"
    "\n"
    "Rectifier factors: ATC-Frost Magnetics, \"Method of Determining Secondary Current\n"
    "Ratings in D.C. Circuits\", capacitor input. Copper: IEC 60028. Enamelled wire: the R40\n"
    "diameters and grade 2 maximum overall diameters of IEC 60317-0-1 (Transwire, \"General\n"
    "Engineering Data\"; the OpenMagnetics MAS copy of the IEC 60317 tables). Steel: EN 10106;\n"
    "curves of the Modelica Standard Library; loss by Steinmetz's law. Temperature rise:\n"
    "McLyman, \"Transformer and Inductor Design Handbook\". Insulation: IEC 60950-1 2.10.5.2,\n"
    "IEC 60085.\n"
    "\n"
    "Exit status: 0 report or JSON printed, 1 the calculation failed or the output could not\n"
    "be written, 2 usage error or a winding sheet figure out of its range. With --batch: the\n"
    "highest status a line would have given alone, a line that is no such object 2; 0 when\n"
    "every line gave its design.\n";

const char* const kUsageHint = "Try 'navivor-calc --help' for more information.";

namespace {

// A language is named by its file in lang/, with or without ".ini"; no path leads out of it.
std::string languageName(const std::string& text) {
    std::string name = text;
    constexpr std::string_view suffix = ".ini";
    if (name.size() > suffix.size() &&
        std::ranges::equal(name.substr(name.size() - suffix.size()), suffix,
                           [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; }))
        name.resize(name.size() - suffix.size());
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos)
        throw UsageError{"--lang takes the name of a file in lang/, got '" + text + "'"};
    return name;
}

void addSecondary(CommandLine& line, SecondaryOption winding) {
    if (line.secondaries.size() == kMaxSecondaries)
        throw UsageError{"at most 50 secondary windings"};
    line.secondaries.push_back(std::move(winding));
}

// V:I or V:I:KIND; the numbers stay texts until the separator is in force.
SecondaryOption dcWinding(const std::string& text) {
    const auto colon = text.find(':');
    if (colon == std::string::npos)
        throw UsageError{"--dc takes VOLTAGE:CURRENT[:KIND], got '" + text + "'"};
    std::string current = text.substr(colon + 1);
    std::string kindName = "bridge";
    if (const auto second = current.find(':'); second != std::string::npos) {
        kindName = current.substr(second + 1);
        current.resize(second);
    }
    const auto kind = rectifierKindNamed(kindName);
    if (!kind)
        throw UsageError{"--dc takes the kind bridge, centre-tap or half-wave, got '" + kindName +
                         "'"};
    return {text.substr(0, colon), current, kind};
}

void addSecondaryWinding(CommandLine& line, const std::string& winding) {
    const auto colon = winding.find(':');
    if (colon == std::string::npos)
        throw UsageError{"--secondary takes VOLTAGE:CURRENT, got '" + winding + "'"};
    addSecondary(line, {winding.substr(0, colon), winding.substr(colon + 1), std::nullopt});
}

void setSeparator(CommandLine& line, const std::string& separator) {
    if (!isValidDecimalSeparator(separator))
        throw UsageError{"--separator takes one printable character other than a digit, "
                         "sign, blank or e, got '" +
                         separator + "'"};
    line.separator = separator;
}

void setEncoding(CommandLine& line, const std::string& encoding) {
    if (encoding != "utf-8" && encoding != "cp1251")
        throw UsageError{"--encoding takes utf-8 or cp1251, got '" + encoding + "'"};
    line.cp1251Output = encoding == "cp1251";
}

void setFormat(CommandLine& line, const std::string& format) {
    if (format != "report" && format != "json")
        throw UsageError{"--format takes report or json, got '" + format + "'"};
    line.format = format == "json" ? OutputFormat::Json : OutputFormat::Report;
}

using Setter = void (*)(CommandLine&, const std::string&);

template <auto flag> void setFlag(CommandLine& line, const std::string&) {
    line.*flag = true;
}

template <auto text> void setText(CommandLine& line, const std::string& value) {
    line.*text = value;
}

template <auto figure> void setSheetFigure(CommandLine& line, const std::string& value) {
    line.sheet.*figure = value;
}

void setLanguage(CommandLine& line, const std::string& name) {
    line.language = languageName(name);
}

void addDiameter(CommandLine& line, const std::string& diameter) {
    line.diameters.push_back(diameter);
}

void addDcWinding(CommandLine& line, const std::string& winding) {
    addSecondary(line, dcWinding(winding));
}

enum class Scope { Design, Run };

struct OptionRule {
    std::string_view name;
    OptionKind kind;
    Setter set;
    // The option this one acts through: without it this one has nothing to act on.
    std::string_view needs;
    // An option of the whole run rather than of one design: no line of a batch gives it.
    Scope scope = Scope::Design;
};

constexpr std::string_view kWindingSheet = "--winding-sheet";
constexpr std::string_view kDc = "--dc";
constexpr std::string_view kNone;

using enum OptionKind;
constexpr OptionRule kOptions[] = {
    {"--help", Flag, setFlag<&CommandLine::help>, kNone, Scope::Run},
    {"--version", Flag, setFlag<&CommandLine::version>, kNone, Scope::Run},
    {"--batch", Flag, setFlag<&CommandLine::batch>, kNone, Scope::Run},
    {"--encoding", Value, setEncoding, kNone, Scope::Run},
    {"--format", Value, setFormat, kNone, Scope::Run},
    {"--primary", Value, setText<&CommandLine::primary>, kNone},
    {"--secondary", RepeatedValue, addSecondaryWinding, kNone},
    {kDc, RepeatedValue, addDcWinding, kNone},
    {"--diode-drop", Value, setText<&CommandLine::diodeDrop>, kDc},
    {"--headroom", Value, setText<&CommandLine::headroom>, kDc},
    {"--capacitance", Value, setText<&CommandLine::capacitance>, kDc},
    {"--ripple", Value, setText<&CommandLine::ripple>, kDc},
    {"--frequency", Value, setText<&CommandLine::frequency>, kNone},
    {"--core", Value, setText<&CommandLine::core>, kNone},
    {"--window", Value, setText<&CommandLine::window>, kNone},
    {"--thickness", Value, setText<&CommandLine::thickness>, kNone},
    {"--diameter", RepeatedValue, addDiameter, kNone},
    {kWindingSheet, Flag, setFlag<&CommandLine::windingSheet>, kNone},
    {"--tongue", Value, setSheetFigure<&SheetOptions::tongueWidth>, kWindingSheet},
    {"--stack", Value, setSheetFigure<&SheetOptions::stackHeight>, kWindingSheet},
    {"--window-width", Value, setSheetFigure<&SheetOptions::windowWidth>, kWindingSheet},
    {"--window-height", Value, setSheetFigure<&SheetOptions::windowHeight>, kWindingSheet},
    {"--spare", Value, setSheetFigure<&SheetOptions::sparePercent>, kWindingSheet},
    {"--temperature", Value, setSheetFigure<&SheetOptions::workingTemperature>, kWindingSheet},
    {"--bobbin-wall", Value, setSheetFigure<&SheetOptions::bobbinWall>, kWindingSheet},
    {"--layer-tape", Value, setSheetFigure<&SheetOptions::layerTape>, kWindingSheet},
    {"--steel", Value, setSheetFigure<&SheetOptions::steel>, kWindingSheet},
    {"--ambient", Value, setSheetFigure<&SheetOptions::ambient>, kWindingSheet},
    {"--insulation-class", Value, setSheetFigure<&SheetOptions::insulationClass>, kWindingSheet},
    {"--bulge", Value, setSheetFigure<&SheetOptions::bulge>, kWindingSheet},
    {"--inter-winding", Value, setSheetFigure<&SheetOptions::interWinding>, kWindingSheet},
    {"--outer-wrap", Value, setSheetFigure<&SheetOptions::outerWrap>, kWindingSheet},
    {"--standard-wire", Flag, setFlag<&CommandLine::standardWire>, kNone},
    {"--pick-core", Flag, setFlag<&CommandLine::pickCore>, kNone},
    {"--lang", Value, setLanguage, kNone},
    {"--separator", Value, setSeparator, kNone},
};

const OptionRule* optionNamed(std::string_view name) {
    const auto found = std::ranges::find(kOptions, name, &OptionRule::name);
    return found == std::end(kOptions) ? nullptr : found;
}

bool givenIn(const std::vector<GivenOption>& options, std::string_view name) {
    return std::ranges::any_of(options,
                               [name](const GivenOption& option) { return option.name == name; });
}

// Options that add to the same list.
bool sameList(std::string_view a, std::string_view b) {
    const auto winding = [](std::string_view name) { return name == "--secondary" || name == kDc; };
    return a == b || (winding(a) && winding(b));
}

} // namespace

std::vector<GivenOption> givenOptions(const std::vector<std::string>& arguments) {
    std::vector<GivenOption> options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> value;
        if (const auto equals = name.find('=');
            name.starts_with("--") && equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const OptionRule* rule = optionNamed(name);
        if (!rule || (rule->kind == OptionKind::Flag && value))
            throw UsageError{"unknown option '" + arguments[i] + "'"};
        if (rule->kind != OptionKind::Flag && !value) {
            if (i + 1 >= arguments.size())
                throw UsageError{name + " needs a value"};
            value = arguments[++i];
        }
        options.push_back({name, value.value_or("")});
    }
    return options;
}

CommandLine commandLineOf(const std::vector<GivenOption>& options) {
    CommandLine line;
    for (const GivenOption& option : options) {
        const OptionRule* rule = optionNamed(option.name);
        if (!rule)
            throw UsageError{"unknown option '" + option.name + "'"};
        rule->set(line, option.value);
    }
    // JSON text is UTF-8 by definition; a code page would only make it unreadable.
    if (line.batch) {
        if (line.format == OutputFormat::Report || line.cp1251Output)
            throw UsageError{"--batch writes JSON in UTF-8: --format report and --encoding cp1251 "
                             "do not apply"};
        return line;
    }
    const std::size_t windings = line.secondaries.empty() ? 1 : line.secondaries.size();
    if (line.diameters.size() > windings + 1)
        throw UsageError{"more --diameter values than windings"};
    // An option with nothing to act on is refused rather than silently dropped.
    for (const OptionRule& rule : kOptions) {
        if (rule.needs.empty() || !givenIn(options, rule.name) || givenIn(options, rule.needs))
            continue;
        if (rule.needs == kDc)
            throw UsageError{
                "--diode-drop, --headroom, --capacitance and --ripple apply to --dc windings only"};
        throw UsageError{std::string(rule.name) + " applies to --winding-sheet only"};
    }
    if (line.capacitance && line.ripple)
        throw UsageError{"--capacitance and --ripple exclude each other"};
    if (line.sheet.steel && !steelGradeNamed(*line.sheet.steel))
        throw UsageError{"--steel takes a grade --help lists, got '" + *line.sheet.steel + "'"};
    // A separator the code page lacks would be written as "?", which reads back as no number.
    if (line.cp1251Output && line.separator && !isCp1251Character(*line.separator))
        throw UsageError{"--separator '" + *line.separator +
                         "' has no character in cp1251, which --encoding asks for"};
    if (line.format == OutputFormat::Json && line.cp1251Output)
        throw UsageError{"--format json is always UTF-8, --encoding cp1251 does not apply"};
    return line;
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    return commandLineOf(givenOptions(arguments));
}

std::optional<OptionKind> designOptionKind(std::string_view name) {
    const OptionRule* rule = optionNamed(name);
    if (!rule || rule->scope == Scope::Run)
        return std::nullopt;
    return rule->kind;
}

std::vector<GivenOption> batchLineOptions(const std::vector<GivenOption>& commandLine,
                                          const std::vector<std::string>& lineNames,
                                          const std::vector<GivenOption>& line) {
    const auto replaced = [&lineNames](std::string_view name) {
        return std::ranges::any_of(lineNames,
                                   [name](const std::string& own) { return sameList(own, name); });
    };
    std::vector<GivenOption> merged;
    for (const GivenOption& option : commandLine)
        if (option.name != "--batch" && !replaced(option.name))
            merged.push_back(option);
    const std::size_t defaults = merged.size();
    merged.insert(merged.end(), line.begin(), line.end());
    std::vector<GivenOption> options;
    for (std::size_t k = 0; k < merged.size(); ++k) {
        const std::string_view needs = optionNamed(merged[k].name)->needs;
        if (k >= defaults || needs.empty() || givenIn(merged, needs))
            options.push_back(merged[k]);
    }
    return options;
}

} // namespace navivor::cli
