// The apply-language walk: one window's texts looked up again in the current language file.
#pragma once

#include <string>

class QWidget;

namespace navivor {

class StringGrid;

// Sets the headings of the windings grid, the window's caption, the captions of its labels
// and push buttons, the hints of its tool buttons and, for the window that has one, the
// captions of its main menu at every level. Controls are told by their exact kind
// and found by their names; every look-up defaults to the text shown now.
void applyLanguage(QWidget* window, const std::string& languageName, StringGrid* windingsGrid);

} // namespace navivor
