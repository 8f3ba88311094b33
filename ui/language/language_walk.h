// SPDX-License-Identifier: GPL-3.0-or-later
// The apply-language walk: one window's texts looked up again in the current language file.
#pragma once

class QWidget;

namespace navivor {

class LanguageTexts;

// Sets the window's caption, the captions of its labels and push buttons, the hints of its
// tool buttons and, for the window that has one, the captions of its main menu at every
// level. Controls are told by their exact kind and found by their names; every look-up
// defaults to the text shown now.
void applyLanguage(QWidget* window, const LanguageTexts& texts);

} // namespace navivor
