// SPDX-License-Identifier: GPL-3.0-or-later
// The key filter of one-line edits: which character a key press types, and a hook run on each
// typed character before the edit sees it.
#pragma once

#include <QChar>
#include <QObject>

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace navivor {

// The character a key press types: the text of the key, or the control character of Backspace
// (8), Enter (13), Escape (27) and Ctrl+letter (Ctrl+C 3, Ctrl+V 22, Ctrl+X 24); a chord with
// Alt, Super or Meta types the character of its text. QChar() for keys that type nothing:
// arrows, Delete, Home, End, Tab and other chords.
QChar typedCharacter(const QKeyEvent& event);

// True when the key types the decimal separator in force.
bool isDecimalSeparatorKey(QChar key);

// The hook of the number fields: digits, backspace and the decimal separator pass; anything
// else typed is dropped without a sound.
void keepNumberCharacter(QChar& key);
// The same for the number fields of the bench tools, where the keys that command rather than
// type keep their work: Enter, Escape and the clipboard chords.
void keepNumberOrCommandCharacter(QChar& key);

// Runs the hook on every character typed into the edit before the edit sees it. The hook may
// keep the character (the key acts as usual), clear it to QChar() (the key is discarded), or
// replace it by another printable character or backspace. Text pasted with the mouse is not
// typed and so is not filtered.
class CharacterFilter : public QObject {
    Q_OBJECT
public:
    using Hook = std::function<void(QChar& key)>;

    // Lives as a child of the edit it watches.
    CharacterFilter(QLineEdit* edit, Hook hook);

    void setHook(Hook hook);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    Hook hook_;
};

} // namespace navivor
