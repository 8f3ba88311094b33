// SPDX-License-Identifier: GPL-3.0-or-later
// How a window learns the language in force: the name the language chooser shows, read when
// the window needs it. The windows are made before the chooser that answers, so they are
// handed this function rather than the chooser.
#pragma once

#include <QString>

#include <functional>

namespace navivor {

using CurrentLanguage = std::function<QString()>;

} // namespace navivor
