// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reference/about_box.h"

#include "ui/resources/images.h"

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

    panel_ = new QFrame(this);
    panel_->setObjectName("Panel1");
    panel_->setGeometry(8, 4, 262, 134);
    panel_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel_->setLineWidth(2);

    programIcon_ = makeLabel<Picture>(panel_, "ProgramIcon", "", {7, 6, 101, 61});
    programIcon_->setScaledContents(true);
    const QFont title = designFont("MS Sans Serif", pixelsForPoints(10), true);
    productName_ = makeLabel(panel_, "ProductName", caption("ProductName"), {137, 16, 120, 17});
    productName_->setFont(title);
    version_ = makeLabel(panel_, "Version", caption("Version"), {149, 40, 100, 17});
    version_->setFont(title);
    copyright_ = makeLabel(panel_, "Copyright", caption("Copyright"), {5, 74, 254, 28}, true);
    copyright_->setFont(designFont("MS Sans Serif", pixelsForPoints(8), true));
    copyright_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    mailAddress_ = makeLabel<StaticText>(panel_, "StaticText1", kMailAddress, {77, 110, 108, 17});
    QFont link = font();
    link.setUnderline(true);
    mailAddress_->setFont(link);
    QPalette blue = mailAddress_->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    mailAddress_->setPalette(blue);
    mailAddress_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    mailAddress_->setCursor(Qt::PointingHandCursor);
    mailAddress_->installEventFilter(
        new ClickFilter(mailAddress_, reportingFailures([this] { writeToAuthor(); })));

    okButton_ = makePushButton(this, "OKButton", caption("OKButton"), {102, 146, 75, 25});
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

int AboutBox::exec() {
    if (!shownBefore_) {
        shownBefore_ = true;
        // Decoded when first shown, not at every start-up.
        programIcon_->setPixmap(packedImage(":/images/about.png"));
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
