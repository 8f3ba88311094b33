// SPDX-License-Identifier: GPL-3.0-or-later
// The language in force: the language files found under lang/, the name the language
// chooser's field shows (which the calculate button reads at every press and the settings file
// keeps), and the walk that applies it to every window. It lives from start-up; the chooser
// that edits it is made when first opened.
#pragma once

#include "i18n/language_file.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace navivor {

class LanguageInForce : public QObject {
    Q_OBJECT
public:
    // The walk goes over the windows listed, in their order, as the list stands then.
    explicit LanguageInForce(const QList<QWidget*>& windowsToWalk);

    // Creation step: lists the language files and applies the saved language.
    void runCreationStep();

    // The names of the language files, in the order the directory gave them.
    const QStringList& listed() const { return listed_; }
    // A listed name, or whatever the user typed; empty while nothing is listed or saved.
    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }

    // Walks every window with the named language.
    void apply();
    // A window made after the creation step takes the language in force, as the walk of
    // the creation step would have given it.
    void applyToLaterWindow(QWidget* window) const;

signals:
    // Every window has walked with the language, whose file was read once for the walk; what
    // a walk cannot know (the grid's headings, the calculate button's mode, the usage text)
    // follows it here.
    void languageApplied(const QString& languageName, const LanguageTexts& texts);

private:
    // The language of a run with no settings file yet.
    QString firstRunLanguage(const QString& builtIn) const;

    const QList<QWidget*>& windowsToWalk_;
    QStringList listed_;
    QString name_;
    // The texts of the language last applied, for the windows made after it.
    std::optional<LanguageTexts> applied_;
};

} // namespace navivor
