// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workshop/rectifier_dialog.h"

#include "calc/performance_text.h"
#include "calc/rectifier_simulation.h"
#include "calc/rectifier_source.h"
#include "calc/winding_design.h"
#include "i18n/language_file.h"
#include "text/number_text.h"
#include "ui/desktop/failure_box.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/window_builders.h"
#include "ui/workshop/number_field.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

namespace navivor {
namespace {

constexpr const char* kSection = "RectifierForm";

// The window's built-in texts, declared once in the text catalogue.
QString caption(const char* key) {
    return catalogueText(kSection, key);
}
constexpr RectifierKind kKinds[] = {RectifierKind::Bridge, RectifierKind::CentreTap,
                                    RectifierKind::HalfWave};
// The keys of the circuits' names, in the list's order.
constexpr const char* kKindKeys[] = {"Bridge", "CentreTap", "HalfWave"};

} // namespace

RectifierDialog::RectifierDialog(CurrentLanguage currentLanguage, QWidget* parent)
    : QDialog(parent, Qt::Dialog | kCloseBoxOnly)
    , currentLanguage_(std::move(currentLanguage)) {
    setUpWindow(this, "RectifierForm", caption("RectifierForm"), {360, 680});
    setFont(designFont("MS Sans Serif", 11));

    const auto label = [this](const char* name, const QString& text, int y) {
        return makeLabel(this, name, text, {12, y, 232, 16});
    };
    const auto field = [this](const char* name, const QString& text, int y) {
        QLineEdit* edit = makeNumberField(this, name, text);
        edit->setGeometry(250, y, 90, 21);
        return edit;
    };
    const auto value = [this](const char* name, int y) {
        QLabel* shown = makeLabel(this, name, "", {250, y, 90, 16});
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return shown;
    };
    label("DcVoltage", caption("DcVoltage"), 14);
    dcVoltageField_ = field("DcVoltageField", "12", 10);
    label("DcCurrent", caption("DcCurrent"), 42);
    dcCurrentField_ = field("DcCurrentField", "1", 38);
    makeLabel(this, "Circuit", caption("Circuit"), {12, 70, 114, 16});
    circuitList_ = new QComboBox(this);
    circuitList_->setObjectName("CircuitList");
    circuitList_->setGeometry(128, 66, 212, 21);
    circuitList_->addItems({"", "", ""});
    makeLabel(this, "Filter", caption("Filter"), {12, 98, 328, 16});
    label("DiodeDrop", caption("DiodeDrop"), 122);
    diodeDropField_ = field("DiodeDropField",
                            QString::fromStdString(numberToText(RectifierInput().diodeDrop)), 118);
    label("Headroom", caption("Headroom"), 150);
    headroomField_ = field("HeadroomField", "0", 146);
    QPushButton* calculateButton =
        makePushButton(this, "Calculate", caption("Calculate"), {250, 176, 90, 25});
    // Enter in a field calculates; Escape closes.
    calculateButton->setDefault(true);

    label("WindingVoltage", caption("WindingVoltage"), 214);
    windingVoltageValue_ = value("WindingVoltageValue", 214);
    label("WindingCurrent", caption("WindingCurrent"), 236);
    windingCurrentValue_ = value("WindingCurrentValue", 236);
    label("WindingPower", caption("WindingPower"), 258);
    windingPowerValue_ = value("WindingPowerValue", 258);

    makeLabel(this, "GridRow", caption("GridRow"), {12, 288, 134, 16});
    gridRowField_ = new SpinField(1, static_cast<int>(kMaxSecondaries), 1, this);
    gridRowField_->setObjectName("GridRowField");
    gridRowField_->setGeometry(150, 284, 50, 23);
    QPushButton* putIntoGridButton =
        makePushButton(this, "PutIntoGrid", caption("PutIntoGrid"), {250, 284, 90, 25});
    makeLabel(this, "Source", caption("Source"), {12, 318, 336, 44}, true);
    makeSmoothingPart()->setGeometry(12, 366, 336, 272);
    QPushButton* closeButton = makePushButton(this, "Close", caption("Close"), {135, 646, 90, 25});

    connect(calculateButton, &QPushButton::clicked, this,
            reportingFailures([this] { showCalculation(); }));
    connect(putIntoGridButton, &QPushButton::clicked, this,
            reportingFailures([this] { putIntoGrid(); }));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    retitleKinds();
}

// The smoothing capacitor and the figures of the run in time, laid out by a form layout so
// captions of any language keep their length.
QWidget* RectifierDialog::makeSmoothingPart() {
    auto* box = new QWidget(this);
    box->setObjectName("Smoothing");
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    capacitanceField_ = makeNumberField(box, "CapacitanceField");
    rippleField_ = makeNumberField(box, "RippleField", "1");
    form->addRow(makeLabel(box, "Capacitance", caption("Capacitance"), {}), capacitanceField_);
    form->addRow(makeLabel(box, "Ripple", caption("Ripple"), {}), rippleField_);
    smoothingLines_ = makeLabel(box, "SmoothingLines", "", {}, true);
    smoothingLines_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(smoothingLines_);
    return box;
}

void RectifierDialog::showFor(int secondaries) {
    if (gridRowField_->value() > secondaries)
        gridRowField_->setValue(secondaries);
    retitleKinds();
    exec();
}

// The list's items are no control of their own, so the language is read when the dialog opens.
void RectifierDialog::retitleKinds() {
    const LanguageTexts texts(currentLanguage_().toStdString());
    for (int index = 0; index < circuitList_->count(); ++index) {
        circuitList_->setItemText(index,
                                  QString::fromStdString(texts.text(kSection, kKindKeys[index])));
    }
}

SecondaryForRectifier RectifierDialog::calculate() {
    // A request that fails leaves no figures of an earlier one beside its fields.
    for (QLabel* value :
         {windingVoltageValue_, windingCurrentValue_, windingPowerValue_, smoothingLines_})
        value->clear();
    RectifierInput input;
    input.dcVoltage = fieldValue(dcVoltageField_);
    input.dcCurrent = fieldValue(dcCurrentField_);
    input.kind = kKinds[std::max(circuitList_->currentIndex(), 0)];
    input.diodeDrop = fieldValue(diodeDropField_);
    input.headroom = fieldValue(headroomField_);
    const LanguageTexts texts(currentLanguage_().toStdString());
    const MessageLookup text = [&texts](std::string_view key) { return texts.text(kSection, key); };
    const SecondaryForRectifier secondary = secondaryForRectifier(input, text);
    windingVoltageValue_->setText(QString::fromStdString(trimmedFixedText(secondary.acVoltage, 2)));
    windingCurrentValue_->setText(QString::fromStdString(trimmedFixedText(secondary.acCurrent, 2)));
    windingPowerValue_->setText(QString::fromStdString(fixedText(secondary.voltAmperes, 1)));
    showSmoothing(input, secondary, texts, text);
    return secondary;
}

// The dialog has no winding sheet of its own: the winding is the program's design of it alone.
void RectifierDialog::showSmoothing(const RectifierInput& input,
                                    const SecondaryForRectifier& secondary,
                                    const LanguageTexts& texts, const MessageLookup& text) {
    const RectifierSource source = estimatedSource(
        secondary, [&texts](std::string_view key) { return texts.message(key); },
        [&texts](std::string_view key) { return texts.text("WindingSheetForm", key); });
    const bool given = !capacitanceField_->text().trimmed().isEmpty();
    const SmoothedRectifier smoothed = smoothedRectifier(
        input, source, given ? std::optional(fieldValue(capacitanceField_)) : std::nullopt,
        given ? 0 : fieldValue(rippleField_), text);
    QStringList lines{
        QString::fromStdString(text("SourceEstimated") + " " + fixedText(source.resistance, 3))};
    for (const std::string& line : smoothedRectifierLines(input, source, smoothed, text))
        lines.append(QString::fromStdString(line));
    smoothingLines_->setText(lines.join('\n'));
}

void RectifierDialog::showCalculation() {
    calculate();
}

void RectifierDialog::putIntoGrid() {
    const SecondaryForRectifier secondary = calculate();
    // The field is read as typed; the grid has rows 1 to 50.
    emit secondaryChosen(std::clamp(gridRowField_->value(), 1, static_cast<int>(kMaxSecondaries)),
                         QString::fromStdString(trimmedFixedText(secondary.acVoltage, 2)),
                         QString::fromStdString(trimmedFixedText(secondary.acCurrent, 2)));
}

} // namespace navivor
