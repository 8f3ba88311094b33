// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language/language_chooser.h"

#include "i18n/language_file.h"
#include "settings/settings_file.h"
#include "ui/desktop/failure_box.h"
#include "ui/language/language_walk.h"
#include "ui/language/qt_translation.h"
#include "ui/widgets/window_builders.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace navivor {
namespace {

// The window's built-in texts, declared once in the text catalogue.
QString caption(const char* key) {
    return catalogueText("LangForm", key);
}

} // namespace

LanguageChooser::LanguageChooser(const QList<QWidget*>& windowsToWalk, QWidget* parent)
    : QDialog(parent, Qt::Dialog | kCloseBoxOnly)
    , windowsToWalk_(windowsToWalk) {
    setUpWindow(this, "LangForm", caption("LangForm"), {252, 96});
    setFont(designFont("MS Sans Serif", 11));
    move(348, 159);
    title_ = makeLabel(this, "Lang", caption("Lang"), {15, 12, 193, 16});
    nameField_ = new QComboBox(this);
    nameField_->setObjectName("LangList");
    nameField_->setEditable(true);
    nameField_->setGeometry(17, 32, 217, 21);
    applyButton_ = makePushButton(this, "Button1", caption("Button1"), {43, 63, 75, 25});
    closeButton_ = makePushButton(this, "Button2", caption("Button2"), {131, 63, 75, 25});
    for (QWidget* captioned : std::initializer_list<QWidget*>{title_, applyButton_, closeButton_})
        captioned->setFont(designFont("Arial", 13, true));
    connect(applyButton_, &QPushButton::clicked, this,
            reportingFailures([this] { applyNamedLanguage(); }));
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void LanguageChooser::runCreationStep() {
    const QString builtIn =
        QString::fromUtf8(kBuiltInLanguage.data(), static_cast<qsizetype>(kBuiltInLanguage.size()));
    // Every entry named *.ini under lang/, folders too, in the order the directory gives.
    const QFileInfoList entries = QDir("lang").entryInfoList(
        {"*.ini"}, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDir::Unsorted);
    for (const QFileInfo& entry : entries) {
        nameField_->addItem(entry.fileName().chopped(4));
        if (nameField_->count() == 1)
            nameField_->setEditText(builtIn);
    }

    // Only the very name of the built-in language needs no walk; "russian" is walked.
    const QString saved = QFileInfo::exists(kSettingsFilePath)
                              ? QString::fromStdString(readLanguage(kSettingsFilePath))
                              : firstRunLanguage(builtIn);
    if (saved == builtIn) {
        // The built-in language needs no file, at start-up as for the walk.
        useQtTranslation(LanguageTexts().text("Language", "Locale"));
        return;
    }
    nameField_->setEditText(saved);
    applyNamedLanguage();
}

// A first run speaks the desktop's language where a listed file names its locale; the
// built-in language's own locale needs no file.
QString LanguageChooser::firstRunLanguage(const QString& builtIn) const {
    const std::string code = desktopLanguageCode();
    const std::string builtInCode = LanguageTexts().text("Language", "Locale");
    if (code.empty() || code == builtInCode)
        return builtIn;
    for (int index = 0; index < nameField_->count(); ++index) {
        const QString name = nameField_->itemText(index);
        if (LanguageTexts(name.toStdString()).text("Language", "Locale") == code)
            return name;
    }
    return builtIn;
}

void LanguageChooser::applyNamedLanguage() {
    const LanguageTexts& texts = applied_.emplace(languageName().toStdString());
    for (QWidget* window : windowsToWalk_)
        applyLanguage(window, texts);
    useQtTranslation(texts.text("Language", "Locale"));
    emit languageApplied(languageName(), texts);
}

void LanguageChooser::applyToLaterWindow(QWidget* window) const {
    if (applied_)
        applyLanguage(window, *applied_);
}

QString LanguageChooser::languageName() const {
    return nameField_->currentText();
}

} // namespace navivor
