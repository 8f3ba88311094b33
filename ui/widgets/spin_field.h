// SPDX-License-Identifier: GPL-3.0-or-later
// A one-line edit holding a whole number, with up and down arrow buttons on its right edge.
// Reading never clamps; setting and stepping clamp to the range; leaving the field rewrites
// an out-of-range number to the nearest bound.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLineEdit;
class QToolButton;

namespace navivor {

// What a held arrow button waits on between its steps: a precise QTimer in the program; a test
// hands in timers it fires itself, and so checks the repeat schedule without waiting.
class RepeatTimer {
public:
    virtual ~RepeatTimer() = default;
    // From now on calls timedOut every ms milliseconds, until started again or stopped.
    virtual void start(int ms) = 0;
    virtual void stop() = 0;

    std::function<void()> timedOut;
};

// Makes the timer of one arrow button: the up button's first, then the down button's.
using RepeatTimerSource = std::function<std::unique_ptr<RepeatTimer>()>;

class SpinField : public QWidget {
    Q_OBJECT
public:
    // Width of the arrow buttons, taken from the right of the field's width.
    static constexpr int kButtonWidth = 13;
    // A held arrow button steps this long after the press, then at every interval.
    static constexpr int kRepeatDelayMs = 400;
    static constexpr int kRepeatIntervalMs = 100;

    SpinField(int minimum, int maximum, int value, QWidget* parent = nullptr,
              const RepeatTimerSource& repeatTimers = {});

    int minimum() const;
    int maximum() const;

    // The text as an integer; the minimum when it is no integer.
    int value() const;
    // Clamped to the range; the text becomes its decimal digits.
    void setValue(int value);

    QString text() const;
    void setText(const QString& text);

    QColor colour() const;
    void setColour(const QColor& colour);

    QLineEdit* editor() const;
    QToolButton* upButton() const;
    QToolButton* downButton() const;

    QSize sizeHint() const override;

signals:
    // Every change of the text: typed, stepped or set by the program.
    void changed();
    // The field received the keyboard focus.
    void focusEntered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* makeArrowButton(Qt::ArrowType arrow, int delta,
                                 const RepeatTimerSource& repeatTimers);
    std::optional<int> parsedValue() const;
    void step(int delta);
    void clampToRange();

    const int minimum_;
    const int maximum_;
    QLineEdit* editor_;
    QToolButton* upButton_;
    QToolButton* downButton_;
};

} // namespace navivor
