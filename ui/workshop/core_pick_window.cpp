// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/workshop/core_pick_window.h"

#include "calc/lamination_series.h"
#include "calc/winding_sheet.h"
#include "i18n/language_file.h"
#include "text/failure.h"
#include "text/number_text.h"
#include "ui/desktop/failure_box.h"
#include "ui/widgets/window_builders.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <utility>

namespace navivor {
namespace {

constexpr const char* kSection = "CorePickForm";

// The window's built-in texts, declared once in the text catalogue.
QString caption(const char* key) {
    return catalogueText(kSection, key);
}

// The keys of the list's headings, in the order of its columns.
constexpr const char* kColumnKeys[] = {"Lamination", "Tongue", "Stack",   "Section",
                                       "Window",     "Fill",   "WireMass"};
constexpr int kColumns = static_cast<int>(std::size(kColumnKeys));

// The main window's fields take whole mm2. The part of one left out errs on the safe side, as
// in the pick's own winding calculation, and the list shows what the fields will get.
int wholeSquareMillimetres(double area) {
    return static_cast<int>(std::floor(area));
}

QStringList headings(const LanguageTexts& texts) {
    QStringList shown;
    for (const char* key : kColumnKeys)
        shown.append(QString::fromStdString(texts.text(kSection, key)));
    return shown;
}

QStringList cells(const CoreChoice& choice) {
    const auto number = [](double value, int decimals) {
        return QString::fromStdString(fixedText(value, decimals));
    };
    return {QString::fromStdString(choice.lamination.name),
            number(choice.lamination.tongue, 2),
            number(choice.stack, 2),
            QString::number(wholeSquareMillimetres(choice.section)),
            QString::number(wholeSquareMillimetres(choice.windowArea)),
            number(choice.fillPercent, 1),
            number(choice.wireMass, 1)};
}

} // namespace

CorePickWindow::CorePickWindow(CurrentLanguage currentLanguage, std::string installedDataFolder)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint)
    , currentLanguage_(std::move(currentLanguage))
    , installedDataFolder_(std::move(installedDataFolder)) {
    setObjectName(kSection);
    setWindowTitle(caption("CorePickForm"));
    setFont(designFont("MS Sans Serif", 11));
    // Left open, it must not keep the program alive once the main window closes.
    setAttribute(Qt::WA_QuitOnClose, false);

    // Its text is the pick's own, which no language file names.
    summary_ = new QLabel(this);
    summary_->setObjectName("Summary");
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    coreList_ = new QTableWidget(0, kColumns, this);
    coreList_->setObjectName("CoreList");
    coreList_->setHorizontalHeaderLabels(headings(LanguageTexts()));
    coreList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    coreList_->setSelectionMode(QAbstractItemView::SingleSelection);
    coreList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    coreList_->verticalHeader()->hide();

    useButton_ = new QPushButton(caption("UseCore"), this);
    useButton_->setObjectName("UseCore");
    useButton_->setEnabled(false);
    auto* closeButton = new QPushButton(caption("Close"), this);
    closeButton->setObjectName("Close");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(useButton_);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(coreList_, 1);
    layout->addLayout(buttons);
    resize(620, 340);

    connect(useButton_, &QPushButton::clicked, this, reportingFailures([this] { useCore(); }));
    connect(coreList_, &QTableWidget::cellDoubleClicked, this,
            reportingFailures([this] { useCore(); }));
    connect(coreList_, &QTableWidget::itemSelectionChanged, this,
            [this] { useButton_->setEnabled(!coreList_->selectedItems().isEmpty()); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

CorePickWindow::~CorePickWindow() = default;

// The list and its texts are written in the language of the moment, as the winding sheet is.
void CorePickWindow::showFor(const WindingDesign& design, double laminationThickness) {
    const std::string file = laminationSeriesFile(installedDataFolder_);
    const std::vector<Lamination> series = readLaminationSeries(file);
    const LanguageTexts texts(currentLanguage_().toStdString());
    const MessageLookup messages = [&texts](std::string_view key) { return texts.message(key); };
    const MessageLookup sheetText = [&texts](std::string_view key) {
        return texts.text("WindingSheetForm", key);
    };
    choices_ =
        coreChoices(design, series, laminationThickness, WindingAllowances(), messages, sheetText);

    const QString path = QString::fromStdString(file);
    if (series.empty())
        summary_->setText(
            QString::fromStdString(texts.text(kSection, "EmptySeries")).replace("%1", path));
    else if (choices_.empty())
        summary_->setText(QString::fromStdString(withClosingFullStop(sheetText("NoCore"))));
    else
        summary_->setText(
            QString::fromStdString(texts.text(kSection, "Found")).replace("%1", path));
    coreList_->setHorizontalHeaderLabels(headings(texts));
    listChoices();
    show();
    raise();
    activateWindow();
}

void CorePickWindow::listChoices() {
    coreList_->clearContents();
    coreList_->setRowCount(static_cast<int>(choices_.size()));
    for (int row = 0; row < coreList_->rowCount(); ++row) {
        const QStringList texts = cells(choices_[static_cast<std::size_t>(row)]);
        for (int column = 0; column < kColumns; ++column) {
            auto* cell = new QTableWidgetItem(texts[column]);
            if (column > 0)
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            coreList_->setItem(row, column, cell);
        }
    }
    // The smallest core, the pick, is chosen until another is.
    if (!choices_.empty())
        coreList_->selectRow(0);
    useButton_->setEnabled(!choices_.empty());
    // Every column shows whole, however long the texts of the language.
    coreList_->resizeColumnsToContents();
    coreList_->setMinimumWidth(coreList_->horizontalHeader()->length() +
                               2 * coreList_->frameWidth() +
                               coreList_->verticalScrollBar()->sizeHint().width());
}

void CorePickWindow::useCore() {
    const int row = coreList_->currentRow();
    if (row < 0 || row >= static_cast<int>(choices_.size()))
        return;
    const CoreChoice& choice = choices_[static_cast<std::size_t>(row)];
    emit coreChosen(wholeSquareMillimetres(choice.section),
                    wholeSquareMillimetres(choice.windowArea));
}

} // namespace navivor
