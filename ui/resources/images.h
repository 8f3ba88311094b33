// SPDX-License-Identifier: GPL-3.0-or-later
// The program's images, packed in as Qt resources under ":/images" (see images.qrc).
#pragma once

#include <QIcon>
#include <QPixmap>

#include <functional>

namespace navivor {

// A packed image read as the PNG it is, without asking the image plugins what it is (which
// would load them all).
QPixmap packedImage(const QString& path);

// An icon that `make` makes only when it is first measured or drawn, for the icons a window
// may never show: the same pixmaps, at no cost before then.
QIcon iconMadeWhenNeeded(std::function<QIcon()> make);

// The sizes a window's title bar and task bar show; the desktop entry's icon theme holds the
// large ones.
QIcon applicationIcon();

// The toolbar image at the given position of the image list (0..8), with its twin for
// high-density screens; a null icon for any other position.
QIcon toolbarIcon(int index);

} // namespace navivor
