// SPDX-License-Identifier: GPL-3.0-or-later
// The language chooser: the language files found under lang/, the name of the current
// language, which the calculate button reads at every press and the settings file keeps, and
// the apply action that walks every window with it.
#pragma once

#include <QDialog>
#include <QString>

#include "i18n/language_file.h"

#include <QList>

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;

namespace navivor {

class LanguageChooser : public QDialog {
    Q_OBJECT
public:
    // The apply action walks the windows listed, in their order, as the list stands then; the
    // parent is the window the chooser stays above.
    LanguageChooser(const QList<QWidget*>& windowsToWalk, QWidget* parent);

    // The text of the name field: a listed name, or whatever the user typed.
    QString languageName() const;

    // Creation step: lists the language files and applies the saved language.
    void runCreationStep();
    // A window made after the creation step takes the language in force, as the walk of
    // the creation step would have given it.
    void applyToLaterWindow(QWidget* window) const;

signals:
    // Every window has walked with the language, whose file was read once for the walk; what
    // a walk cannot know (the grid's headings, the calculate button's mode, the usage text)
    // follows it here.
    void languageApplied(const QString& languageName, const LanguageTexts& texts);

private:
    void applyNamedLanguage(); // "Изменить": applies the name field's language to every window
    // The language of a run with no settings file yet.
    QString firstRunLanguage(const QString& builtIn) const;

    const QList<QWidget*>& windowsToWalk_;
    // The texts of the language last applied, for the windows made after it.
    std::optional<LanguageTexts> applied_;

    QLabel* title_;
    QComboBox* nameField_;
    QPushButton* applyButton_;
    QPushButton* closeButton_;
};

} // namespace navivor
