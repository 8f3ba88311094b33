// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workshop/winding_sheet_window.h"

#include "calc/winding_sheet_text.h"
#include "i18n/language_file.h"
#include "text/number_text.h"
#include "ui/desktop/failure_box.h"
#include "ui/results/text_output.h"
#include "ui/widgets/character_filter.h"
#include "ui/widgets/window_builders.h"

#include <QCheckBox>
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

double fieldValue(const QLineEdit* field) {
    return toDouble(textToNumber(field->text().toStdString()));
}

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
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString(key) + "Field");
        edit->setGeometry(x + 196, y, 80, 21);
        new CharacterFilter(edit, keepNumberOrCommandCharacter);
        edit->setAcceptDrops(false);
        fields_[index] = edit;
    }
    QPushButton* calculateButton =
        makePushButton(this, "Calculate", caption("Calculate"), {8, 118, 110, 25});
    QPushButton* standardCoreButton =
        makePushButton(this, "StandardCore", caption("StandardCore"), {124, 118, 140, 25});
    saveButton_ = makePushButton(this, "Save", caption("Save"), {300, 118, 92, 25});
    printButton_ = makePushButton(this, "Print", caption("Print"), {398, 118, 92, 25});
    QPushButton* closeButton = makePushButton(this, "Close", caption("Close"), {500, 118, 92, 25});

    // The standard wire and its way into the grid, one row under the buttons.
    auto* wireRow = new QWidget(this);
    wireRow->setGeometry(8, 148, 584, 28);
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
    sheetView_->setGeometry(8, 180, 584, 372);
    sheetView_->setReadOnly(true);
    sheetView_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    fillAllowances(WindingAllowances());
    // Enter in a field calculates the sheet again.
    for (QLineEdit* edit : fields_)
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

void WindingSheetWindow::showFor(const CalculatedTransformer& transformer) {
    transformer_ = transformer;
    if (coreFilledFor_ != transformer.coreSection)
        fillStandardCore();
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
    const std::pair<Field, double> figures[] = {
        {BobbinWall, allowances.bobbinWall},
        {LayerInsulation, allowances.layerInsulation},
        {SparePercent, allowances.sparePercent},
        {WorkingTemperature, allowances.workingTemperature}};
    for (auto [field, figure] : figures)
        fields_[field]->setText(QString::fromStdString(trimmedFixedText(figure, 2)));
}

// The sheet is written in the language of the moment, as a press writes its report.
void WindingSheetWindow::showSheet() {
    // Nothing to save or print until a sheet stands in the field.
    sheetView_->clear();
    for (QPushButton* command : {saveButton_, printButton_, putWiresButton_})
        command->setEnabled(false);
    const CoreGeometry core{fieldValue(fields_[TongueWidth]), fieldValue(fields_[StackHeight]),
                            fieldValue(fields_[WindowWidth]), fieldValue(fields_[WindowHeight])};
    const WindingAllowances allowances{
        fieldValue(fields_[SparePercent]), fieldValue(fields_[WorkingTemperature]),
        fieldValue(fields_[BobbinWall]), fieldValue(fields_[LayerInsulation])};
    const LanguageTexts texts(currentLanguage_().toStdString());
    const MessageLookup lookup = [&texts](std::string_view key) {
        return texts.text(kSection, key);
    };
    CalculatedTransformer wound = *transformer_;
    if (standardWireBox_->isChecked())
        roundUpToStandardWires(wound);
    const WindingSheet sheet = computeWindingSheet(wound, core, allowances, lookup);
    QStringList lines;
    for (const std::string& line : windingSheetLines(core, allowances, sheet, lookup))
        lines.append(QString::fromStdString(line));
    sheetView_->setPlainText(lines.join('\n') + '\n');
    wireTexts_.clear();
    const auto wireText = [](const SheetWinding& winding, const SheetRow& row) {
        return winding.chosen ? QString()
                              : QString::fromStdString(fixedText(row.overallDiameter, 3));
    };
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
