// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace navivor {
namespace {

// A locale names a file in Qt's translations folder: letters and "_" only, so a value from
// a language file cannot lead elsewhere.
bool isLocaleName(const std::string& locale) {
    return !locale.empty() && std::ranges::all_of(locale, [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    });
}

} // namespace

void useQtTranslation(const std::string& locale) {
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (!isLocaleName(locale) || locale == "en")
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + QString::fromStdString(locale),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(translator.get());
    installed = std::move(translator);
}

} // namespace navivor
