// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language/language_in_force.h"

#include "settings/settings_file.h"
#include "ui/language/language_walk.h"
#include "ui/language/qt_translation.h"

#include <QDir>
#include <QFileInfo>

namespace navivor {

LanguageInForce::LanguageInForce(const QList<QWidget*>& windowsToWalk)
    : windowsToWalk_(windowsToWalk) {}

void LanguageInForce::runCreationStep() {
    const QString builtIn =
        QString::fromUtf8(kBuiltInLanguage.data(), static_cast<qsizetype>(kBuiltInLanguage.size()));
    // Every entry named *.ini under lang/, folders too, in the order the directory gives.
    const QFileInfoList entries = QDir("lang").entryInfoList(
        {"*.ini"}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Unsorted);
    for (const QFileInfo& entry : entries)
        listed_.append(entry.fileName().chopped(4));
    // The chooser's field shows the built-in language once a file is listed, as an editable
    // list shows its first entry.
    if (!listed_.isEmpty())
        name_ = builtIn;

    // Only the very name of the built-in language needs no walk; "russian" is walked.
    const QString saved = QFileInfo::exists(kSettingsFilePath)
                              ? QString::fromStdString(readLanguage(kSettingsFilePath))
                              : firstRunLanguage(builtIn);
    if (saved == builtIn) {
        // The built-in language needs no file, at start-up as for the walk.
        useQtTranslation(LanguageTexts().text("Language", "Locale"));
        return;
    }
    name_ = saved;
    apply();
}

// A first run speaks the desktop's language where a listed file names its locale; the
// built-in language's own locale needs no file.
QString LanguageInForce::firstRunLanguage(const QString& builtIn) const {
    const std::string code = desktopLanguageCode();
    const std::string builtInCode = LanguageTexts().text("Language", "Locale");
    if (code.empty() || code == builtInCode)
        return builtIn;
    for (const QString& name : listed_) {
        if (LanguageTexts(name.toStdString()).text("Language", "Locale") == code)
            return name;
    }
    return builtIn;
}

void LanguageInForce::apply() {
    const LanguageTexts& texts = applied_.emplace(name_.toStdString());
    for (QWidget* window : windowsToWalk_)
        applyLanguage(window, texts);
    useQtTranslation(texts.text("Language", "Locale"));
    emit languageApplied(name_, texts);
}

void LanguageInForce::applyToLaterWindow(QWidget* window) const {
    if (applied_)
        applyLanguage(window, *applied_);
}

} // namespace navivor
