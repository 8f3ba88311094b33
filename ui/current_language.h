// SPDX-License-Identifier: GPL-3.0-or-later
// How a window learns the language in force: the name the language chooser shows, read when
// the window needs it. The main window is made before the language in force that answers, so
// the windows are handed this function rather than the language itself.
#pragma once

#include <QString>

#include <functional>

namespace navivor {

using CurrentLanguage = std::function<QString()>;

} // namespace navivor
