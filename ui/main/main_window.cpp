#include "ui/main/main_window.h"

#include "text/number_text.h"
#include "ui/desktop/failure_box.h"
#include "ui/resources/images.h"
#include "ui/results/results_window.h"
#include "ui/widgets/character_filter.h"
#include "ui/widgets/spin_field.h"
#include "ui/widgets/static_text.h"
#include "ui/widgets/string_grid.h"
#include "ui/widgets/window_builders.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

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
    connectHandlers();
    installKeyFilters();
    setTabOrder();
    setClientWidth(kDesignClientWidth);
    move(295, 175);
    SG1->setFocus();
}

QString MainWindow::toolBarStyleSheet(int borderWidth) {
    // Etched edge lines along the top and the bottom, the border inside them.
    return QString("QToolBar { border-top: 1px solid palette(mid);"
                   " border-bottom: 1px solid palette(light); padding: %1px; spacing: 0px; }")
        .arg(borderWidth);
}

int MainWindow::clientWidth() const {
    return client_->width();
}

void MainWindow::setClientWidth(int width) {
    client_->setFixedSize(width, kClientHeight);
    ToolBar1->setFixedWidth(width);
    setFixedSize(width, kClientHeight + menuBar()->sizeHint().height());
}

void MainWindow::createLabels(QWidget* client) {
    Label2 = makeLabel(client, "Label2", caption("Label2"), {4, 47, 64, 28}, true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label3 = makeLabel(client, "Label3", caption("Label3"), {107, 37, 25, 14});
    // Designed apart from the diameter heading its key gives: a language walk gives it that.
    Label4 = makeLabel(client, "Label4", "Диам. пр.", {158, 37, 52, 14});
    Label5 = makeLabel(client, "Label5", caption("Label5"), {4, 85, 149, 28}, true);
    Label7 = makeLabel(client, "Label7", caption("Label7"), {224, 92, 13, 14});
    Label1 = makeLabel(client, "Label1", caption("Label1"), {4, 123, 149, 28}, true);
    Label6 = makeLabel(client, "Label6", caption("Label6"), {224, 128, 17, 14});
    Label9 = makeLabel(client, "Label9", caption("Label9"), {4, 156, 154, 35}, true);
    Label10 = makeLabel(client, "Label10", caption("Label10"), {224, 157, 19, 28}, true);
    Label11 = makeLabel(client, "Label11", caption("Label11"), {4, 196, 157, 26}, true);
    Label12 = makeLabel(client, "Label12", caption("Label12"), {223, 192, 19, 28}, true);
    Label13 = makeLabel(client, "Label13", caption("Label13"), {3, 224, 152, 28}, true);
    Label14 = makeLabel(client, "Label14", caption("Label14"), {221, 230, 19, 14});

    ST1 = makeLabel<StaticText>(client, "ST1", "Navivor", {306, 106, 92, 22});
    ST1->setFont(designFont("Arial", 15, true));
    ST2 = makeLabel<StaticText>(client, "ST2", "Version 2.02", {316, 126, 75, 19});
    ST2->setFont(designFont("Arial", 12, true));
    for (QLabel* title : {ST1, ST2}) {
        QPalette black = title->palette();
        black.setColor(QPalette::WindowText, Qt::black);
        title->setPalette(black);
    }
    Image1 = makeLabel<Picture>(client, "Image1", "", {264, 148, 177, 109});
    Image1->setPixmap(QPixmap(":/images/transformer.png"));
    Image1->setScaledContents(true);

    Bevel2 = new QFrame(client);
    Bevel2->setObjectName("Bevel2");
    Bevel2->setFrameShape(QFrame::VLine);
    Bevel2->setFrameShadow(QFrame::Raised);
    Bevel2->setGeometry(251, 42, 2, 245);
}

void MainWindow::createInputs(QWidget* client) {
    SG2 = new StringGrid(2, 1, 0, 0, client);
    SG2->setObjectName("SG2");
    SG2->setGeometry(92, 54, 126, 22);
    SG2->setCellColour(Qt::white);

    SE2 = new SpinField(1, 1000, 50, client);
    SE2->setObjectName("SE2");
    SE2->setGeometry(169, 88, 49, 23);
    SE2->setColour(Qt::white);
    SE1 = new SpinField(1, static_cast<int>(kMaxSecondaries), 1, client);
    SE1->setObjectName("SE1");
    SE1->setGeometry(176, 124, 42, 23);
    SE4 = new SpinField(1, 1000000, 1, client);
    SE4->setObjectName("SE4");
    SE4->setGeometry(163, 161, 55, 23);
    SE5 = new SpinField(1, 10000000, 1, client);
    SE5->setObjectName("SE5");
    SE5->setGeometry(163, 196, 55, 23);

    Edit1 = new QLineEdit(client);
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(163, 226, 55, 22);
    // The designed 0,1 written with the separator in force, so that it parses.
    Edit1->setText(QString::fromStdString(numberToText(0.1L)));

    Button1 = makePushButton(client, "Button1", caption("Button1"), {17, 262, 104, 25});
    Button1->setFont(designFont("Arial", 11, true));
    // The calculate button's navy is its own: it stays when the window's font colour changes.
    QPalette ownText = Button1->palette();
    ownText.setColor(QPalette::ButtonText, kDesignTextColour);
    Button1->setPalette(ownText);
    Button2 = makePushButton(client, "Button2", caption("Button2"), {132, 262, 104, 25});
    // Enter presses a focused button, as Space does.
    for (QPushButton* button : {Button1, Button2})
        button->setAutoDefault(true);

    // Created after the titles and the picture, so that it grows over them.
    SG1 = new StringGrid(3, 2, 1, 1, client);
    SG1->setObjectName("SG1");
    SG1->setGeometry(258, 36, 187, 42);
}

void MainWindow::createToolBar(QWidget* client) {
    ToolBar1 = new QToolBar(client);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setGeometry(0, 0, kDesignClientWidth, 30);
    ToolBar1->setIconSize({16, 16});
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setStyleSheet(toolBarStyleSheet(1));

    const auto button = [this](const char* name, int image, const QString& hint) {
        return makeToolButton(ToolBar1, name, toolbarIcon(image), hint);
    };
    const auto gap = [this](const char* name) {
        QAction* created = ToolBar1->addSeparator();
        created->setObjectName(name);
        return created;
    };
    ToolButton11 = gap("ToolButton11");
    ToolButton1 = button("ToolButton1", 1, caption("ToolButton1"));
    ToolButton2 = button("ToolButton2", 4, caption("ToolButton2"));
    ToolButton4 = gap("ToolButton4");
    ToolButton3 = button("ToolButton3", 2, caption("ToolButton3"));
    ToolButton8 = button("ToolButton8", 5, caption("ToolButton8"));
    ToolButton10 = button("ToolButton10", 6, caption("ToolButton10"));
    ToolButton5 = gap("ToolButton5");
    ToolButton7 = button("ToolButton7", 7, caption("ToolButton7"));
    ToolButton6 = gap("ToolButton6");
    ToolButton9 = button("ToolButton9", 0, caption("ToolButton9"));
}

void MainWindow::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    bar->setNativeMenuBar(false);

    Menu1 = makeSubmenu(bar, "Menu1", caption("Menu1"));
    Save = makeMenuItem(Menu1, "Save", caption("Save"));
    Print = makeMenuItem(Menu1, "Print", caption("Print"));
    N8 = makeMenuSeparator(Menu1, "N8");
    Exit1 = makeMenuItem(Menu1, "Exit1", caption("Exit1"));
    Menu1->addActions({Save, Print, N8, Exit1});
    // Shown in the menu; the application-wide shortcuts run the menu check first.
    for (auto [item, keys] :
         {std::pair{Save, QKeySequence("Ctrl+S")}, {Print, QKeySequence("Ctrl+P")}}) {
        item->setShortcut(keys);
        item->setShortcutContext(Qt::WidgetShortcut);
    }

    N7 = makeSubmenu(bar, "N7", caption("N7"));
    N3 = makeMenuItem(N7, "N3", caption("N3"));
    N5 = makeMenuItem(N7, "N5", caption("N5"));
    N6 = makeMenuItem(N7, "N6", caption("N6"));
    N1 = makeMenuSeparator(N7, "N1");
    N4 = makeMenuItem(N7, "N4", caption("N4"));
    N4->setCheckable(true);
    N4->setChecked(true);
    N13 = makeMenuItem(N7, "N13", caption("N13"));
    N13->setCheckable(true);
    Lang = makeMenuItem(N7, "Lang", caption("Lang"));
    N2 = makeMenuSeparator(N7, "N2");
    Rectifier1 = makeMenuItem(N7, "Rectifier1", caption("Rectifier1"));
    WindingSheet1 = makeMenuItem(N7, "WindingSheet1", caption("WindingSheet1"));
    N17 = makeMenuSeparator(N7, "N17");
    N7->addActions({N3, N5, N6, N1, N4, N13, Lang, N2, Rectifier1, WindingSheet1, N17});
    N9 = makeSubmenu(N7, "N9", caption("N9"));
    N10 = makeMenuItem(N9, "N10", caption("N10"));
    N12 = makeMenuItem(N9, "N12", caption("N12"));
    N14 = makeMenuItem(N9, "N14", caption("N14"));
    N9->addActions({N10, N12, N14});
    N11 = makeMenuSeparator(N7, "N11");
    About1 = makeMenuItem(N7, "About1", caption("About1"));
    N16 = makeMenuItem(N7, "N16", caption("N16"));
    N7->addActions({N11, About1, N16});
}

void MainWindow::connectHandlers() {
    // Every handler runs through the failure box, which shows what it raises.
    const auto handler = [this](void (MainWindow::*method)()) {
        return reportingFailures([this, method] { (this->*method)(); });
    };
    connect(Button1, &QPushButton::clicked, this, handler(&MainWindow::calculate));
    connect(Button2, &QPushButton::clicked, this, handler(&MainWindow::reset));
    connect(SE1, &SpinField::changed, this, handler(&MainWindow::secondaryCountChanged));
    connect(SE1, &SpinField::focusEntered, this, handler(&MainWindow::secondaryCountChanged));
    connect(Menu1, &QMenu::aboutToShow, this, handler(&MainWindow::menuOpened));

    const std::pair<QAction*, void (MainWindow::*)()> items[] = {
        {Save, &MainWindow::saveReport},           {Print, &MainWindow::printReport},
        {Exit1, &MainWindow::exitProgram},         {N3, &MainWindow::chooseFont},
        {N5, &MainWindow::chooseBackgroundColour}, {N6, &MainWindow::chooseFieldColour},
        {Lang, &MainWindow::chooseLanguage},       {N10, &MainWindow::openWireSizes},
        {N12, &MainWindow::openWireTypes},         {N14, &MainWindow::openCoreSizes},
        {About1, &MainWindow::showAbout},          {N16, &MainWindow::showUsage},
        {Rectifier1, &MainWindow::openRectifier},  {WindingSheet1, &MainWindow::openWindingSheet}};
    for (auto [item, method] : items)
        connect(item, &QAction::triggered, this, handler(method));
    // The check marks are the state these two commands toggle themselves.
    for (auto [item, method] :
         {std::pair{N4, &MainWindow::toggleFlatButtons}, {N13, &MainWindow::toggleStayOnTop}})
        connect(item, &QAction::triggered, this, [item, toggle = handler(method)] {
            item->setChecked(!item->isChecked());
            toggle();
        });

    const std::pair<QToolButton*, void (MainWindow::*)()> buttons[] = {
        {ToolButton1, &MainWindow::saveReport},
        {ToolButton2, &MainWindow::printReport},
        {ToolButton3, &MainWindow::chooseFont},
        {ToolButton8, &MainWindow::chooseBackgroundColour},
        {ToolButton10, &MainWindow::chooseFieldColour},
        {ToolButton7, &MainWindow::showAbout},
        {ToolButton9, &MainWindow::exitProgram}};
    for (auto [button, method] : buttons)
        connect(button, &QToolButton::clicked, this, handler(method));

    // Ctrl+S and Ctrl+P work from every window of the program, but only when the menu check
    // finds a report to save or print.
    for (auto [keys, item] : {std::pair{"Ctrl+S", Save}, {"Ctrl+P", Print}}) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, reportingFailures([this, item] {
                    menuOpened();
                    if (item->isEnabled())
                        item->trigger();
                }));
    }
}

void MainWindow::installKeyFilters() {
    SG1->setKeyFilter([this](QChar& key) { filterWindingsGridKey(key); });
    SG2->setKeyFilter([this](QChar& key) { filterPrimaryKey(key); });
    new CharacterFilter(Edit1, [this](QChar& key) { filterPrimaryKey(key); });
    // Dropped text would pass the key filter by.
    Edit1->setAcceptDrops(false);
}

void MainWindow::showReportsIn(ResultsWindow& results) {
    results_ = &results;
}

void MainWindow::setTabOrder() {
    QWidget* order[] = {SG1, SE1, Button1, SE4, SE5, Button2, SE2, SG2, Edit1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::runCreationStep() {
    setGridHeadings(LanguageTexts());
    SG2->setCell(0, 0, "220");
    SG2->setCell(1, 0, "  ----------");
    for (int row = 1; row < SG1->rowCount(); ++row)
        SG1->setCell(0, row, QString::number(row));
    enableSaveAndPrintButtons(false);
    cycle_.returnToCalculationMode();
    applySavedAppearance();
}

} // namespace navivor
