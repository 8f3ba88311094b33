// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/language/language_walk.h"

#include "i18n/language_file.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

namespace navivor {
namespace {

// A derived kind (a title text, a picture, a spin field's arrow) is not looked up.
template <typename Kind> bool isExactly(const QObject* object) {
    return object->metaObject() == &Kind::staticMetaObject;
}

class WindowTexts {
public:
    WindowTexts(const LanguageTexts& texts, QWidget* window)
        : texts_(texts)
        , section_(window->objectName().toStdString()) {}

    QString lookUp(const QString& key, const QString& shownNow) const {
        return QString::fromStdString(
            texts_.windowText(section_, key.toStdString(), shownNow.toStdString()));
    }

private:
    const LanguageTexts& texts_;
    std::string section_;
};

void retitle(QAction* item, const WindowTexts& texts) {
    if (!item->isSeparator())
        item->setText(texts.lookUp(item->objectName(), item->text()));
}

// Every item at every level, the reference documents under "Справка" among them.
void applyToItems(const QList<QAction*>& items, const WindowTexts& texts) {
    for (QAction* item : items) {
        retitle(item, texts);
        if (QMenu* menu = item->menu())
            applyToItems(menu->actions(), texts);
    }
}

} // namespace

void applyLanguage(QWidget* window, const LanguageTexts& texts) {
    const WindowTexts windowTexts(texts, window);
    window->setWindowTitle(windowTexts.lookUp(window->objectName(), window->windowTitle()));

    for (QWidget* control : window->findChildren<QWidget*>()) {
        // A window made as a child of this one walks with its own texts.
        if (control->window() != window || control->objectName().isEmpty())
            continue;
        const QString name = control->objectName();
        if (isExactly<QLabel>(control)) {
            auto* label = static_cast<QLabel*>(control);
            label->setText(windowTexts.lookUp(name, label->text()));
        } else if (isExactly<QPushButton>(control) || isExactly<QCheckBox>(control)) {
            auto* button = static_cast<QAbstractButton*>(control);
            button->setText(windowTexts.lookUp(name, button->text()));
        } else if (isExactly<QToolButton>(control)) {
            control->setToolTip(windowTexts.lookUp(name, control->toolTip()));
        } else if (isExactly<QMenuBar>(control)) {
            applyToItems(control->actions(), windowTexts);
        }
    }
}

} // namespace navivor
