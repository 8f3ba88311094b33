// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop implementation in force. Without an installed one the Qt implementation is made on
// first use, so the program needs no set-up step to work.
#include "ui/desktop/desktop.h"

#include "ui/desktop/qt_desktop.h"

namespace navivor {
namespace {

std::unique_ptr<Desktop>& installedDesktop() {
    static std::unique_ptr<Desktop> desktop;
    return desktop;
}

} // namespace

Desktop& Desktop::instance() {
    std::unique_ptr<Desktop>& desktop = installedDesktop();
    if (!desktop)
        desktop = std::make_unique<QtDesktop>();
    return *desktop;
}

void Desktop::install(std::unique_ptr<Desktop> desktop) {
    installedDesktop() = std::move(desktop);
}

} // namespace navivor
