// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/main_window.h"

#include "settings/settings_file.h"
#include "text/number_text.h"
#include "ui/desktop/failure_box.h"
#include "ui/main/appearance_state.h"
#include "ui/main/calculate_press.h"
#include "ui/main/windings_grid_sizing.h"
#include "ui/resources/images.h"
#include "ui/results/results_window.h"
#include "ui/widgets/character_filter.h"
#include "ui/widgets/etched_tool_bar.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/static_text.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/window_builders.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>

namespace navivor {
namespace {

// The window's built-in texts, declared once in the text catalogue.
QString caption(const char* key) {
    return catalogueText("MainForm", key);
}

const QColor kDesignTextColour(0x00, 0x00, 0x80);

} // namespace

MainWindow::MainWindow(Desktop& desktop, CurrentLanguage currentLanguage)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint)
    , desktop_(desktop)
    , currentLanguage_(std::move(currentLanguage))
    , client_(new QWidget(this)) {
    setObjectName("MainForm");
    setWindowTitle(caption("MainForm"));
    // The window's font and colours are those of the area below the menu bar: the menu keeps
    // the desktop's own.
    client_->setFont(designFont("Arial", pixelsForPoints(8), true));
    QPalette colours = client_->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, kDesignTextColour);
    client_->setPalette(colours);
    client_->setAutoFillBackground(true);

    setCentralWidget(client_);
    createMenu();
    createLabels(client_);
    createInputs(client_);
    createToolBar(client_);
    createCollaborators();
    connectInputs();
    setTabOrder();
    setClientWidth(WindingsGridSizing::kNarrowClientWidth);
    move(295, 175);
    windingsGrid_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::setClientWidth(int width) {
    client_->setFixedSize(width, kClientHeight);
    toolBar_->setFixedWidth(width);
    setFixedSize(width, kClientHeight + menuBar()->sizeHint().height());
}

void MainWindow::createLabels(QWidget* client) {
    const auto label = [client](const char* name, QRect geometry, bool wrapped = false) {
        return makeLabel(client, name, caption(name), geometry, wrapped);
    };
    label("Label2", {4, 47, 64, 28}, true)->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Wider than laid out by three pixels: the stand-in face's ")" fell outside 25.
    label("Label3", {107, 37, 28, 14});
    // Designed apart from the diameter heading its key gives: a language walk gives it that.
    makeLabel(client, "Label4", "Диам. пр.", {158, 37, 52, 14});
    label("Label5", {4, 85, 149, 28}, true);
    label("Label7", {224, 92, 13, 14});
    label("Label1", {4, 123, 149, 28}, true);
    label("Label6", {224, 128, 17, 14});
    label("Label9", {4, 156, 154, 35}, true);
    label("Label10", {224, 157, 19, 28}, true);
    label("Label11", {4, 196, 157, 26}, true);
    label("Label12", {223, 192, 19, 28}, true);
    label("Label13", {3, 224, 152, 28}, true);
    label("Label14", {221, 230, 19, 14});

    titleText_ = makeLabel<StaticText>(client, "ST1", "Navivor", {306, 106, 92, 22});
    titleText_->setFont(designFont("Arial", 15, true));
    versionText_ = makeLabel<StaticText>(client, "ST2", "Version 2.02", {316, 126, 75, 19});
    versionText_->setFont(designFont("Arial", 12, true));
    for (QLabel* title : {titleText_, versionText_}) {
        QPalette black = title->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        title->setPalette(black);
    }
    picture_ = makeLabel<Picture>(client, "Image1", "", {264, 148, 177, 109});
    picture_->setPixmap(packedImage(":/images/transformer.png"));
    picture_->setScaledContents(true);

    auto* bevel = new QFrame(client);
    bevel->setObjectName("Bevel2");
    bevel->setFrameShape(QFrame::VLine);
    bevel->setFrameShadow(QFrame::Raised);
    bevel->setGeometry(251, 42, 2, 245);
}

void MainWindow::createInputs(QWidget* client) {
    primaryGrid_ = new StringGrid(2, 1, 0, 0, client);
    primaryGrid_->setObjectName("SG2");
    primaryGrid_->setGeometry(92, 54, 126, 22);
    primaryGrid_->setCellColour(Qt::white);

    frequencyField_ = new SpinField(1, 1000, 50, client);
    frequencyField_->setObjectName("SE2");
    frequencyField_->setGeometry(169, 88, 49, 23);
    frequencyField_->setColour(Qt::white);
    secondaryCountField_ = new SpinField(1, static_cast<int>(kMaxSecondaries), 1, client);
    secondaryCountField_->setObjectName("SE1");
    secondaryCountField_->setGeometry(176, 124, 42, 23);
    coreSectionField_ = new SpinField(1, 1000000, 1, client);
    coreSectionField_->setObjectName("SE4");
    coreSectionField_->setGeometry(163, 161, 55, 23);
    windowAreaField_ = new SpinField(1, 10000000, 1, client);
    windowAreaField_->setObjectName("SE5");
    windowAreaField_->setGeometry(163, 196, 55, 23);

    thicknessField_ = new QLineEdit(client);
    thicknessField_->setObjectName("Edit1");
    thicknessField_->setGeometry(163, 226, 55, 22);
    // The designed 0,1 written with the separator in force, so that it parses.
    thicknessField_->setText(QString::fromStdString(numberToText(0.1L)));

    calculateButton_ = makePushButton(client, "Button1", caption("Button1"), {17, 262, 104, 25});
    calculateButton_->setFont(designFont("Arial", 11, true));
    // The calculate button's navy is its own: it stays when the window's font colour changes.
    QPalette ownText = calculateButton_->palette();
    ownText.setColor(QPalette::ButtonText, kDesignTextColour);
    calculateButton_->setPalette(ownText);
    resetButton_ = makePushButton(client, "Button2", caption("Button2"), {132, 262, 104, 25});
    // Enter presses a focused button, as Space does.
    for (QPushButton* button : {calculateButton_, resetButton_})
        button->setAutoDefault(true);

    // Created after the titles and the picture, so that it grows over them.
    windingsGrid_ = new StringGrid(3, 2, 1, 1, client);
    windingsGrid_->setObjectName("SG1");
    windingsGrid_->setGeometry(258, 36, 187, 42);
}

void MainWindow::createCollaborators() {
    gridSizing_ = std::make_unique<WindingsGridSizing>(
        windingsGrid_, secondaryCountField_, QList<QWidget*>{picture_, titleText_, versionText_},
        [this] { return client_->width(); }, [this](int width) { setClientWidth(width); });
    calculatePress_ = std::make_unique<CalculatePress>(
        CalculatePress::Fields{windingsGrid_, primaryGrid_, frequencyField_, coreSectionField_,
                               windowAreaField_, thicknessField_, calculateButton_},
        *gridSizing_, desktop_, currentLanguage_);
    appearance_ = std::make_unique<AppearanceState>(
        desktop_, AppearanceState::PaintedControls{
                      client_, windingsGrid_, primaryGrid_, secondaryCountField_, frequencyField_,
                      coreSectionField_, windowAreaField_, thicknessField_});
}

void MainWindow::connectInputs() {
    connect(calculateButton_, &QPushButton::clicked, this, command(&MainWindow::calculate));
    connect(resetButton_, &QPushButton::clicked, this, command(&MainWindow::reset));
    for (auto signal : {&SpinField::changed, &SpinField::focusEntered})
        connect(secondaryCountField_, signal, this,
                reportingFailures([this] { gridSizing_->countChanged(); }));

    // Digits, backspace and the decimal separator pass; everything else typed is dropped
    // without a sound.
    windingsGrid_->setKeyFilter(keepNumberCharacter);
    primaryGrid_->setKeyFilter(keepNumberCharacter);
    new CharacterFilter(thicknessField_, keepNumberCharacter);
    // Dropped text would pass the key filter by.
    thicknessField_->setAcceptDrops(false);
}

MainWindow::Inputs MainWindow::inputs() const {
    return {windingsGrid_,   primaryGrid_,      secondaryCountField_,
            frequencyField_, coreSectionField_, windowAreaField_,
            thicknessField_, calculateButton_,  resetButton_};
}

void MainWindow::showReportsIn(ResultsSource results) {
    resultsSource_ = std::move(results);
    calculatePress_->showReportsIn([this]() -> ResultsWindow& { return this->results(); });
}

ResultsWindow& MainWindow::results() {
    if (!results_) {
        results_ = &resultsSource_();
        connect(results_, &ResultsWindow::closing, this, command(&MainWindow::resultsClosed));
    }
    return *results_;
}

void MainWindow::setTabOrder() {
    QWidget* order[] = {windingsGrid_,     secondaryCountField_, calculateButton_,
                        coreSectionField_, windowAreaField_,     resetButton_,
                        frequencyField_,   primaryGrid_,         thicknessField_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::runCreationStep() {
    setGridHeadings(LanguageTexts());
    primaryGrid_->setCell(0, 0, "220");
    primaryGrid_->setCell(1, 0, "  ----------");
    for (int row = 1; row < windingsGrid_->rowCount(); ++row)
        windingsGrid_->setCell(0, row, QString::number(row));
    enableSaveAndPrintButtons(false);
    appearance_->load(kSettingsFilePath);
}

void MainWindow::resultsClosed() {
    calculatePress_->resultsClosed();
    enableSaveAndPrintButtons(false);
    enableSaveAndPrintItems(false);
}

void MainWindow::languageApplied(const LanguageTexts& texts) {
    setGridHeadings(texts);
    calculatePress_->languageApplied(texts);
}

void MainWindow::setGridHeadings(const LanguageTexts& texts) {
    const auto heading = [&texts](const char* blanks, const char* key) {
        return QString::fromLatin1(blanks) + QString::fromStdString(texts.mainForm(key));
    };
    windingsGrid_->setCell(0, 0, heading("  ", "Kol1"));
    windingsGrid_->setCell(1, 0, heading("    ", "Kol2"));
    windingsGrid_->setCell(2, 0, heading("     ", "Kol3"));
    // Also while the grid shows three columns: the diameter column then shows it.
    windingsGrid_->setCell(WindingsGridSizing::kDiameterColumn, 0, heading(" ", "Label4"));
}

void MainWindow::enterToolFigures(const ToolFigures& figures) {
    if (const auto* secondary = std::get_if<SecondaryFigures>(&figures)) {
        enterSecondary(*secondary);
    } else if (const auto* wires = std::get_if<WireFigures>(&figures)) {
        enterDiameters(wires->diameters);
    } else if (const auto* core = std::get_if<CoreFigures>(&figures)) {
        coreSectionField_->setValue(core->section);
        windowAreaField_->setValue(core->windowArea);
        calculatePress_->coreReplaced();
    }
}

void MainWindow::enterSecondary(const SecondaryFigures& secondary) {
    if (secondary.row > secondaryCountField_->value()) {
        secondaryCountField_->setValue(secondary.row);
        gridSizing_->countChanged();
    }
    windingsGrid_->setCell(1, secondary.row, secondary.voltage);
    windingsGrid_->setCell(2, secondary.row, secondary.current);
}

// Rows the grid no longer has are left out.
void MainWindow::enterDiameters(const QStringList& diameters) {
    if (!diameters.value(0).isEmpty())
        primaryGrid_->setCell(1, 0, diameters[0]);
    if (!gridSizing_->hasDiameterColumn()) {
        const LanguageTexts texts(currentLanguage_().toStdString());
        gridSizing_->addDiameterColumn(QString::fromStdString(texts.mainForm("Label4")));
    }
    for (int row = 1; row < std::min(windingsGrid_->rowCount(), static_cast<int>(diameters.size()));
         ++row)
        if (!diameters[row].isEmpty())
            windingsGrid_->setCell(WindingsGridSizing::kDiameterColumn, row, diameters[row]);
}

void MainWindow::enableSaveAndPrintItems(bool enabled) {
    saveItem_->setEnabled(enabled);
    printItem_->setEnabled(enabled);
}

void MainWindow::enableSaveAndPrintButtons(bool enabled) {
    saveButton_->setEnabled(enabled);
    printButton_->setEnabled(enabled);
}

} // namespace navivor
