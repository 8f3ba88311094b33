#include "ui/reference/about_box.h"

#include "ui/desktop/desktop.h"
#include "ui/desktop/failure_box.h"
#include "ui/widgets/static_text.h"
#include "ui/widgets/window_builders.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace navivor {
namespace {

// The window's built-in texts, declared once in the text catalogue.
QString caption(const char* key) {
    return catalogueText("AboutBox", key);
}

// The mail address reacts to a click like a link.
class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> clicked)
        : QObject(parent)
        , clicked_(std::move(clicked)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease)
            clicked_();
        return false;
    }

private:
    std::function<void()> clicked_;
};

} // namespace

AboutBox::AboutBox(Desktop& desktop, QWidget* parent)
    : QDialog(parent, Qt::Dialog | kCloseBoxOnly)
    , desktop_(desktop) {
    setUpWindow(this, "AboutBox", caption("AboutBox"), {279, 174});
    setFont(designFont("MS Sans Serif", pixelsForPoints(8)));

    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 4, 262, 134);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);

    ProgramIcon = makeLabel<Picture>(Panel1, "ProgramIcon", "", {7, 6, 101, 61});
    ProgramIcon->setScaledContents(true);
    const QFont title = designFont("MS Sans Serif", pixelsForPoints(10), true);
    ProductName = makeLabel(Panel1, "ProductName", caption("ProductName"), {137, 16, 120, 17});
    ProductName->setFont(title);
    Version = makeLabel(Panel1, "Version", caption("Version"), {149, 40, 100, 17});
    Version->setFont(title);
    Copyright = makeLabel(Panel1, "Copyright", caption("Copyright"), {5, 74, 254, 28}, true);
    Copyright->setFont(designFont("MS Sans Serif", pixelsForPoints(8), true));
    Copyright->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    StaticText1 = makeLabel<StaticText>(Panel1, "StaticText1", kMailAddress, {77, 110, 108, 17});
    QFont link = font();
    link.setUnderline(true);
    StaticText1->setFont(link);
    QPalette blue = StaticText1->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    StaticText1->setPalette(blue);
    StaticText1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    StaticText1->setCursor(Qt::PointingHandCursor);
    StaticText1->installEventFilter(
        new ClickFilter(StaticText1, reportingFailures([this] { writeToAuthor(); })));

    OKButton = makePushButton(this, "OKButton", caption("OKButton"), {102, 146, 75, 25});
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

int AboutBox::exec() {
    if (!shownBefore_) {
        shownBefore_ = true;
        // Decoded when first shown, not at every start-up.
        ProgramIcon->setPixmap(QPixmap(":/images/about.png"));
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen)
            move(screen->availableGeometry().center() - rect().center());
    }
    return QDialog::exec();
}

void AboutBox::writeToAuthor() {
    desktop_.openUrl(QUrl(QString("mailto:") + kMailAddress), [] {});
}

} // namespace navivor
