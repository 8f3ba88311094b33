// SPDX-License-Identifier: GPL-3.0-or-later
// The program's images, packed in as Qt resources under ":/images" (see images.qrc).
#pragma once

#include <QIcon>

namespace navivor {

// The toolbar image at the given position of the image list (0..8), with its twin for
// high-density screens; a null icon for any other position.
QIcon toolbarIcon(int index);

} // namespace navivor
