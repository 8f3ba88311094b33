// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workshop/winding_sheet_window.h"

#include "calc/core_steel.h"
#include "calc/performance_text.h"
#include "calc/sheet_performance.h"
#include "calc/winding_sheet_text.h"
#include "i18n/language_file.h"
#include "text/number_text.h"
#include "ui/desktop/failure_box.h"
#include "ui/results/text_output.h"
#include "ui/widgets/window_builders.h"
#include "ui/workshop/number_field.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <QTextDocument>
#include <utility>

namespace navivor {
namespace {

constexpr const char* kSection = "WindingSheetForm";

// The window's built-in texts, declared once in the text catalogue.
QString caption(const char* key) {
    return catalogueText(kSection, key);
}

enum Field {
    TongueWidth,
    StackHeight,
    WindowWidth,
    WindowHeight,
    BobbinWall,
    LayerInsulation,
    SparePercent,
    WorkingTemperature
};

// The keys of the fields' captions, in the order of Field; each field is named after its key.
const char* const kFieldKeys[] = {"TongueWidth", "StackHeight", "WindowWidth",  "WindowHeight",
                                  "BobbinWall",  "LayerTape",   "SparePercent", "Temperature"};

enum PerformanceField { Ambient, InsulationClass, Bulge, InterWinding, OuterWrap };

// The keys of the performance fields' captions, in the order of PerformanceField.
const char* const kPerformanceKeys[] = {"Ambient", "InsulationClass", "Bulge", "InterWinding",
                                        "OuterWrap"};

} // namespace

WindingSheetWindow::WindingSheetWindow(CurrentLanguage currentLanguage, Desktop& desktop)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint)
    , currentLanguage_(std::move(currentLanguage))
    , destinations_(desktop) {
    setUpWindow(this, "WindingSheetForm", caption("WindingSheetForm"), {600, 560});
    setFont(designFont("MS Sans Serif", 11));
    // Left open, it must not keep the program alive once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);

    for (int index = 0; index < 8; ++index) {
        const int x = index < 4 ? 8 : 300;
        const int y = 10 + (index % 4) * 26;
        const char* key = kFieldKeys[index];
        makeLabel(this, key, caption(key), {x, y + 4, 190, 16});
        fields_[index] = makeNumberField(this, QString(key) + "Field");
        fields_[index]->setGeometry(x + 196, y, 80, 21);
    }
    makePerformanceFields()->setGeometry(8, 114, 584, 84);
    QPushButton* calculateButton =
        makePushButton(this, "Calculate", caption("Calculate"), {8, 204, 110, 25});
    QPushButton* standardCoreButton =
        makePushButton(this, "StandardCore", caption("StandardCore"), {124, 204, 140, 25});
    saveButton_ = makePushButton(this, "Save", caption("Save"), {300, 204, 92, 25});
    printButton_ = makePushButton(this, "Print", caption("Print"), {398, 204, 92, 25});
    QPushButton* closeButton = makePushButton(this, "Close", caption("Close"), {500, 204, 92, 25});

    // The standard wire and its way into the grid, one row under the buttons.
    auto* wireRow = new QWidget(this);
    wireRow->setGeometry(8, 234, 584, 28);
    auto* wireLayout = new QHBoxLayout(wireRow);
    wireLayout->setContentsMargins(0, 0, 0, 0);
    standardWireBox_ = new QCheckBox(caption("StandardWire"), wireRow);
    standardWireBox_->setObjectName("StandardWire");
    putWiresButton_ = new QPushButton(caption("PutWiresIntoGrid"), wireRow);
    putWiresButton_->setObjectName("PutWiresIntoGrid");
    wireLayout->addWidget(standardWireBox_);
    wireLayout->addStretch();
    wireLayout->addWidget(putWiresButton_);

    sheetView_ = new QPlainTextEdit(this);
    sheetView_->setObjectName("Memo1");
    sheetView_->setGeometry(8, 264, 584, 288);
    sheetView_->setReadOnly(true);
    sheetView_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    fillAllowances(WindingAllowances());
    // Enter in a field calculates the sheet again.
    for (QLineEdit* edit : fields_)
        connect(edit, &QLineEdit::returnPressed, calculateButton, &QPushButton::click);
    for (QLineEdit* edit : performanceFields_)
        connect(edit, &QLineEdit::returnPressed, calculateButton, &QPushButton::click);
    const std::pair<QPushButton*, void (WindingSheetWindow::*)()> handlers[] = {
        {calculateButton, &WindingSheetWindow::calculate},
        {standardCoreButton, &WindingSheetWindow::useStandardCore},
        {saveButton_, &WindingSheetWindow::save},
        {printButton_, &WindingSheetWindow::print},
        {putWiresButton_, &WindingSheetWindow::putWiresIntoGrid}};
    for (auto [button, method] : handlers)
        connect(button, &QPushButton::clicked, this,
                reportingFailures([this, method] { (this->*method)(); }));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(standardWireBox_, &QCheckBox::toggled, this, reportingFailures([this] {
                if (transformer_)
                    showSheet();
            }));
}

WindingSheetWindow::~WindingSheetWindow() = default;

// The will-it-work inputs in a grid of their own, so long captions take the room they need.
QWidget* WindingSheetWindow::makePerformanceFields() {
    auto* box = new QWidget(this);
    box->setObjectName("PerformanceFields");
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    steelList_ = new QComboBox(box);
    steelList_->setObjectName("SteelList");
    for (const SteelGrade& grade : steelGrades())
        steelList_->addItem(QString::fromUtf8(grade.name.data(), grade.name.size()));
    // Until the user picks a grade, the list shows the one the lamination thickness gives.
    connect(steelList_, &QComboBox::activated, this, [this] { steelChosen_ = true; });
    grid->addWidget(makeLabel(box, "Steel", caption("Steel"), {}), 0, 0);
    grid->addWidget(steelList_, 0, 1);
    const PerformanceInputs inputs;
    const FitAllowances fit;
    const double defaults[] = {inputs.ambient, inputs.insulationClass, fit.bulgeFactor,
                               fit.interWinding, fit.outerWrap};
    for (std::size_t index = 0; index < std::size(kPerformanceKeys); ++index) {
        const char* key = kPerformanceKeys[index];
        QLineEdit* edit = makeNumberField(box, QString(key) + "Field");
        edit->setText(QString::fromStdString(trimmedFixedText(defaults[index], 2)));
        performanceFields_[index] = edit;
        const int place = static_cast<int>(index) + 1;
        grid->addWidget(makeLabel(box, key, caption(key), {}), place % 3, place / 3 * 2);
        grid->addWidget(edit, place % 3, place / 3 * 2 + 1);
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    return box;
}

void WindingSheetWindow::showFor(const CalculatedTransformer& transformer) {
    transformer_ = transformer;
    if (coreFilledFor_ != transformer.coreSection)
        fillStandardCore();
    if (!steelChosen_) {
        const SteelGrade& byThickness = defaultSteelGrade(transformer.laminationThickness);
        steelList_->setCurrentIndex(static_cast<int>(&byThickness - steelGrades().data()));
    }
    show();
    raise();
    activateWindow();
    showSheet();
}

QString WindingSheetWindow::sheetText() const {
    return textWithCrLf(*sheetView_->document());
}

void WindingSheetWindow::fillStandardCore() {
    const CoreGeometry core = standardCoreGeometry(transformer_->coreSection);
    const double figures[] = {core.tongueWidth, core.stackHeight, core.windowWidth,
                              core.windowHeight};
    for (int index = TongueWidth; index <= WindowHeight; ++index)
        fields_[index]->setText(QString::fromStdString(trimmedFixedText(figures[index], 2)));
    coreFilledFor_ = transformer_->coreSection;
}

void WindingSheetWindow::fillAllowances(const WindingAllowances& allowances) {
    const std::pair<Field, double> figures[] = {{BobbinWall, allowances.bobbinWall},
                                                {LayerInsulation, allowances.layerInsulation},
                                                {SparePercent, allowances.sparePercent}};
    for (auto [field, figure] : figures)
        fields_[field]->setText(QString::fromStdString(trimmedFixedText(figure, 2)));
    // Empty: the copper settles at the temperature of its losses.
    fields_[WorkingTemperature]->clear();
}

// The sheet is written in the language of the moment, as a press writes its report.
void WindingSheetWindow::showSheet() {
    // Nothing to save or print until a sheet stands in the field.
    sheetView_->clear();
    for (QPushButton* command : {saveButton_, printButton_, putWiresButton_})
        command->setEnabled(false);
    const CoreGeometry core{fieldValue(fields_[TongueWidth]), fieldValue(fields_[StackHeight]),
                            fieldValue(fields_[WindowWidth]), fieldValue(fields_[WindowHeight])};
    // An empty temperature field lets the copper settle at the temperature of its losses.
    const bool held = !fields_[WorkingTemperature]->text().trimmed().isEmpty();
    WindingAllowances allowances{
        fieldValue(fields_[SparePercent]),
        held ? fieldValue(fields_[WorkingTemperature]) : WindingAllowances().workingTemperature,
        fieldValue(fields_[BobbinWall]),
        fieldValue(fields_[LayerInsulation]),
        {fieldValue(performanceFields_[Bulge]), fieldValue(performanceFields_[InterWinding]),
         fieldValue(performanceFields_[OuterWrap])}};
    PerformanceInputs inputs;
    inputs.grade = &steelGrades()[static_cast<std::size_t>(steelList_->currentIndex())];
    inputs.ambient = fieldValue(performanceFields_[Ambient]);
    inputs.insulationClass = fieldValue(performanceFields_[InsulationClass]);
    if (held)
        inputs.heldTemperature = allowances.workingTemperature;
    const LanguageTexts texts(currentLanguage_().toStdString());
    const MessageLookup lookup = [&texts](std::string_view key) {
        return texts.text(kSection, key);
    };
    CalculatedTransformer wound = *transformer_;
    if (standardWireBox_->isChecked())
        roundUpToStandardWires(wound);
    const SheetPerformance performance = sheetPerformance(wound, core, allowances, inputs, lookup);
    allowances.workingTemperature = performance.windingTemperature;
    QStringList lines;
    for (const std::string& line : windingSheetLines(core, allowances, performance.settled, lookup))
        lines.append(QString::fromStdString(line));
    for (const std::string& line : performanceLines(inputs, performance, lookup))
        lines.append(QString::fromStdString(line));
    sheetView_->setPlainText(lines.join('\n') + '\n');
    wireTexts_.clear();
    const auto wireText = [](const SheetWinding& winding, const SheetRow& row) {
        return winding.chosen ? QString()
                              : QString::fromStdString(fixedText(row.overallDiameter, 3));
    };
    const WindingSheet& sheet = performance.settled;
    wireTexts_.append(wireText(wound.primary, sheet.primary));
    for (std::size_t k = 0; k < sheet.secondaries.size(); ++k)
        wireTexts_.append(wireText(wound.secondaries[k], sheet.secondaries[k]));
    for (QPushButton* command : {saveButton_, printButton_, putWiresButton_})
        command->setEnabled(true);
}

void WindingSheetWindow::calculate() {
    showSheet();
}

void WindingSheetWindow::useStandardCore() {
    fillStandardCore();
    showSheet();
}

void WindingSheetWindow::putWiresIntoGrid() {
    emit wiresChosen(wireTexts_);
}

void WindingSheetWindow::save() {
    destinations_.save(this, QStringLiteral("winding_sheet.txt"), sheetText());
}

void WindingSheetWindow::print() {
    QTextDocument document;
    document.setDefaultFont(printFont());
    document.setDocumentMargin(0);
    document.setPlainText(sheetView_->toPlainText());
    // Print queues and PDF printers make file names of the job's name: plain letters travel
    // best.
    destinations_.print(this, QStringLiteral("winding_sheet"), document,
                        palette().color(QPalette::WindowText));
}

} // namespace navivor
