// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/spin_field.h"

#include "text/failure.h"
#include "text/number_text.h"
#include "ui/desktop/desktop.h"
#include "ui/widgets/character_filter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace navivor {
namespace {

constexpr char16_t kEnter = 13;

// Digits, signs, the decimal separator and the control characters other than Enter; a decimal
// text is let in, it just reads as the minimum.
bool isAccepted(QChar key) {
    if (key.unicode() < u' ')
        return key != QChar(kEnter);
    return (key >= u'0' && key <= u'9') || key == u'+' || key == u'-' || isDecimalSeparatorKey(key);
}

// Focus coming and going with the whole window or a popup menu is no entering or leaving of
// the field.
bool movesWithinWindow(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

class PreciseRepeatTimer : public RepeatTimer {
public:
    PreciseRepeatTimer() {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { timedOut(); });
    }
    void start(int ms) override { timer_.start(ms); }
    void stop() override { timer_.stop(); }

private:
    QTimer timer_;
};

// Steps on a click, which comes on release over the button, and while held down, first after
// the repeat delay and then at every interval. Not Qt's auto-repeat: that restarts its timer at
// each repeat, so the steps drift later and later.
class ArrowButton : public QToolButton {
public:
    ArrowButton(Qt::ArrowType arrow, std::function<void()> step,
                std::unique_ptr<RepeatTimer> repeat, QWidget* parent)
        : QToolButton(parent)
        , step_(std::move(step))
        , repeat_(std::move(repeat)) {
        setArrowType(arrow);
        setFocusPolicy(Qt::NoFocus);
        repeat_->timedOut = [this] {
            if (!repeating_) {
                repeating_ = true;
                repeat_->start(SpinField::kRepeatIntervalMs);
            }
            // Dragged off the button it pauses, as it shows released.
            if (isDown())
                step_();
        };
        connect(this, &QToolButton::clicked, this, [this] { step_(); });
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QToolButton::mousePressEvent(event);
        if (isDown()) {
            repeating_ = false;
            repeat_->start(SpinField::kRepeatDelayMs);
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        repeat_->stop();
        QToolButton::mouseReleaseEvent(event);
    }

private:
    std::function<void()> step_;
    std::unique_ptr<RepeatTimer> repeat_;
    bool repeating_ = false;
};

} // namespace

SpinField::SpinField(int minimum, int maximum, int value, QWidget* parent,
                     const RepeatTimerSource& repeatTimers)
    : QWidget(parent)
    , minimum_(minimum)
    , maximum_(std::max(minimum, maximum))
    , editor_(new QLineEdit(this))
    , upButton_(makeArrowButton(Qt::UpArrow, 1, repeatTimers))
    , downButton_(makeArrowButton(Qt::DownArrow, -1, repeatTimers)) {
    editor_->setText(QString::number(std::clamp(value, minimum_, maximum_)));
    new CharacterFilter(editor_, [](QChar& key) {
        if (!isAccepted(key)) {
            key = QChar();
            Desktop::instance().beep();
        }
    });
    editor_->installEventFilter(this);
    setFocusPolicy(editor_->focusPolicy());
    setFocusProxy(editor_);
    connect(editor_, &QLineEdit::textChanged, this, &SpinField::changed);
}

int SpinField::minimum() const {
    return minimum_;
}

int SpinField::maximum() const {
    return maximum_;
}

int SpinField::value() const {
    return parsedValue().value_or(minimum_);
}

void SpinField::setValue(int value) {
    editor_->setText(QString::number(std::clamp(value, minimum_, maximum_)));
}

QString SpinField::text() const {
    return editor_->text();
}

void SpinField::setText(const QString& text) {
    editor_->setText(text);
}

QColor SpinField::colour() const {
    return editor_->palette().color(QPalette::Base);
}

void SpinField::setColour(const QColor& colour) {
    QPalette editorPalette = editor_->palette();
    editorPalette.setColor(QPalette::Base, colour);
    editor_->setPalette(editorPalette);
}

QLineEdit* SpinField::editor() const {
    return editor_;
}

QToolButton* SpinField::upButton() const {
    return upButton_;
}

QToolButton* SpinField::downButton() const {
    return downButton_;
}

QSize SpinField::sizeHint() const {
    return editor_->sizeHint() + QSize(kButtonWidth, 0);
}

bool SpinField::eventFilter(QObject* watched, QEvent* event) {
    if (watched != editor_)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Up && key != Qt::Key_Down)
            return false;
        step(key == Qt::Key_Up ? 1 : -1);
        return true;
    }
    case QEvent::FocusIn:
        if (movesWithinWindow(static_cast<QFocusEvent*>(event)->reason()))
            emit focusEntered();
        return false;
    case QEvent::FocusOut:
        if (movesWithinWindow(static_cast<QFocusEvent*>(event)->reason()))
            clampToRange();
        return false;
    default:
        return false;
    }
}

void SpinField::resizeEvent(QResizeEvent*) {
    const int buttonsLeft = width() - kButtonWidth;
    const int upHeight = height() / 2;
    editor_->setGeometry(0, 0, buttonsLeft, height());
    upButton_->setGeometry(buttonsLeft, 0, kButtonWidth, upHeight);
    downButton_->setGeometry(buttonsLeft, upHeight, kButtonWidth, height() - upHeight);
}

QToolButton* SpinField::makeArrowButton(Qt::ArrowType arrow, int delta,
                                        const RepeatTimerSource& repeatTimers) {
    std::unique_ptr<RepeatTimer> repeat =
        repeatTimers ? repeatTimers() : std::make_unique<PreciseRepeatTimer>();
    auto* button = new ArrowButton(
        arrow, [this, delta] { step(delta); }, std::move(repeat), this);
    connect(button, &QToolButton::pressed, this,
            [this] { editor_->setFocus(Qt::MouseFocusReason); });
    return button;
}

std::optional<int> SpinField::parsedValue() const {
    try {
        return textToInteger(editor_->text().toStdString());
    } catch (const Failure&) {
        return std::nullopt;
    }
}

void SpinField::step(int delta) {
    // In 64 bits: the text may hold the largest integer, far outside the range.
    const qint64 target = qint64{value()} + delta;
    setValue(static_cast<int>(std::clamp<qint64>(target, minimum_, maximum_)));
}

void SpinField::clampToRange() {
    const std::optional<int> parsed = parsedValue();
    if (parsed && (*parsed < minimum_ || *parsed > maximum_))
        setValue(*parsed);
}

} // namespace navivor
