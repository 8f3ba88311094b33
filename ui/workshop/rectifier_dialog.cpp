#include "ui/workshop/rectifier_dialog.h"

#include "calc/winding_design.h"
#include "i18n/language_file.h"
#include "text/number_text.h"
#include "ui/desktop/failure_box.h"
#include "ui/widgets/character_filter.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/window_builders.h"

#include <QComboBox>

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

double fieldValue(const QLineEdit* field) {
    return toDouble(textToNumber(field->text().toStdString()));
}

} // namespace

RectifierDialog::RectifierDialog(CurrentLanguage currentLanguage, QWidget* parent)
    : QDialog(parent, Qt::Dialog | kCloseBoxOnly)
    , currentLanguage_(std::move(currentLanguage)) {
    setUpWindow(this, "RectifierForm", caption("RectifierForm"), {360, 404});
    setFont(designFont("MS Sans Serif", 11));

    const auto label = [this](const char* name, const QString& text, int y) {
        return makeLabel(this, name, text, {12, y, 232, 16});
    };
    const auto field = [this](const char* name, const QString& text, int y) {
        auto* edit = new QLineEdit(text, this);
        edit->setObjectName(name);
        edit->setGeometry(250, y, 90, 21);
        new CharacterFilter(edit, keepNumberOrCommandCharacter);
        edit->setAcceptDrops(false);
        return edit;
    };
    const auto value = [this](const char* name, int y) {
        QLabel* shown = makeLabel(this, name, "", {250, y, 90, 16});
        shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return shown;
    };
    Label1 = label("DcVoltage", caption("DcVoltage"), 14);
    Edit1 = field("DcVoltageField", "12", 10);
    Label2 = label("DcCurrent", caption("DcCurrent"), 42);
    Edit2 = field("DcCurrentField", "1", 38);
    Label3 = makeLabel(this, "Circuit", caption("Circuit"), {12, 70, 114, 16});
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName("CircuitList");
    ComboBox1->setGeometry(128, 66, 212, 21);
    ComboBox1->addItems({"", "", ""});
    Label4 = makeLabel(this, "Filter", caption("Filter"), {12, 98, 328, 16});
    Label5 = label("DiodeDrop", caption("DiodeDrop"), 122);
    Edit3 = field("DiodeDropField",
                  QString::fromStdString(numberToText(RectifierInput().diodeDrop)), 118);
    Label6 = label("Headroom", caption("Headroom"), 150);
    Edit4 = field("HeadroomField", "0", 146);
    Button1 = makePushButton(this, "Calculate", caption("Calculate"), {250, 176, 90, 25});
    // Enter in a field calculates; Escape closes.
    Button1->setDefault(true);

    Label7 = label("WindingVoltage", caption("WindingVoltage"), 214);
    Value1 = value("WindingVoltageValue", 214);
    Label8 = label("WindingCurrent", caption("WindingCurrent"), 236);
    Value2 = value("WindingCurrentValue", 236);
    Label9 = label("WindingPower", caption("WindingPower"), 258);
    Value3 = value("WindingPowerValue", 258);

    Label10 = makeLabel(this, "GridRow", caption("GridRow"), {12, 288, 134, 16});
    SpinEdit1 = new SpinField(1, static_cast<int>(kMaxSecondaries), 1, this);
    SpinEdit1->setObjectName("GridRowField");
    SpinEdit1->setGeometry(150, 284, 50, 23);
    Button2 = makePushButton(this, "PutIntoGrid", caption("PutIntoGrid"), {250, 284, 90, 25});
    Label11 = makeLabel(this, "Source", caption("Source"), {12, 318, 336, 44}, true);
    Button3 = makePushButton(this, "Close", caption("Close"), {135, 370, 90, 25});

    connect(Button1, &QPushButton::clicked, this, reportingFailures([this] { showCalculation(); }));
    connect(Button2, &QPushButton::clicked, this, reportingFailures([this] { putIntoGrid(); }));
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    retitleKinds();
}

void RectifierDialog::showFor(int secondaries) {
    if (SpinEdit1->value() > secondaries)
        SpinEdit1->setValue(secondaries);
    retitleKinds();
    exec();
}

// The list's items are no control of their own, so the language is read when the dialog opens.
void RectifierDialog::retitleKinds() {
    const LanguageTexts texts(currentLanguage_().toStdString());
    for (int index = 0; index < ComboBox1->count(); ++index) {
        ComboBox1->setItemText(index,
                               QString::fromStdString(texts.text(kSection, kKindKeys[index])));
    }
}

SecondaryForRectifier RectifierDialog::calculate() {
    // A request that fails leaves no figures of an earlier one beside its fields.
    for (QLabel* value : {Value1, Value2, Value3})
        value->clear();
    RectifierInput input;
    input.dcVoltage = fieldValue(Edit1);
    input.dcCurrent = fieldValue(Edit2);
    input.kind = kKinds[std::max(ComboBox1->currentIndex(), 0)];
    input.diodeDrop = fieldValue(Edit3);
    input.headroom = fieldValue(Edit4);
    const LanguageTexts texts(currentLanguage_().toStdString());
    const SecondaryForRectifier secondary = secondaryForRectifier(
        input, [&texts](std::string_view key) { return texts.text(kSection, key); });
    Value1->setText(QString::fromStdString(trimmedFixedText(secondary.acVoltage, 2)));
    Value2->setText(QString::fromStdString(trimmedFixedText(secondary.acCurrent, 2)));
    Value3->setText(QString::fromStdString(fixedText(secondary.voltAmperes, 1)));
    return secondary;
}

void RectifierDialog::showCalculation() {
    calculate();
}

void RectifierDialog::putIntoGrid() {
    const SecondaryForRectifier secondary = calculate();
    // The field is read as typed; the grid has rows 1 to 50.
    emit secondaryChosen(std::clamp(SpinEdit1->value(), 1, static_cast<int>(kMaxSecondaries)),
                         QString::fromStdString(trimmedFixedText(secondary.acVoltage, 2)),
                         QString::fromStdString(trimmedFixedText(secondary.acCurrent, 2)));
}

} // namespace navivor
