// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/character_filter.h"

#include "text/decimal_separator.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace navivor {
namespace {

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;
constexpr char16_t kEscape = 27;

} // namespace

QChar typedCharacter(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return QChar(kBackspace);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QChar(kEnter);
    case Qt::Key_Escape:
        return QChar(kEscape);
    default:
        break;
    }
    const Qt::KeyboardModifiers chord =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (chord == Qt::ControlModifier && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return QChar(static_cast<char16_t>(event.key() - Qt::Key_A + 1));
    // An Alt, Super or Meta chord that types a character passes the filter as that character:
    // the edit would insert it all the same.
    if (event.text().isEmpty())
        return {};
    // A character outside the basic plane comes as a surrogate pair; its first half stands for
    // it, so that a filter allowing only digits rejects it.
    const QChar first = event.text().front();
    return first.isPrint() || first.isSurrogate() ? first : QChar();
}

bool isDecimalSeparatorKey(QChar key) {
    return QString(key) == QString::fromStdString(decimalSeparator());
}

void keepNumberCharacter(QChar& key) {
    const bool allowed =
        key == QChar(8) || (key >= '0' && key <= '9') || isDecimalSeparatorKey(key);
    if (!allowed)
        key = QChar();
}

void keepNumberOrCommandCharacter(QChar& key) {
    if (key.unicode() >= 0x20)
        keepNumberCharacter(key);
}

CharacterFilter::CharacterFilter(QLineEdit* edit, Hook hook)
    : QObject(edit)
    , edit_(edit)
    , hook_(std::move(hook)) {
    edit_->installEventFilter(this);
}

void CharacterFilter::setHook(Hook hook) {
    hook_ = std::move(hook);
}

bool CharacterFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != edit_ || event->type() != QEvent::KeyPress || !hook_)
        return false;
    const QChar typed = typedCharacter(static_cast<const QKeyEvent&>(*event));
    if (typed.isNull())
        return false;
    QChar key = typed;
    hook_(key);
    if (key == typed)
        return false;
    if (key == QChar(kBackspace))
        edit_->backspace();
    else if (key.isPrint())
        edit_->insert(QString(key));
    return true;
}

} // namespace navivor
