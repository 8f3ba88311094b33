// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing the whole content of a file so that a crash, a full disk or a failing device
// leaves the old content or the new one, never a mixture and never an empty file.
#pragma once

#include <string>
#include <string_view>

namespace navivor {

enum class Replacement {
    done,
    // Nothing was touched: no file can be made at the path, or something other than a
    // regular file stands there.
    cannotCreate,
    // Nothing was touched: the disk, its inodes or the user's quota are used up.
    noSpace,
    // Writing failed midway. The old content is kept unless the folder took no new file and
    // the file was written in place.
    writeFailed,
};

// Writes the bytes to a new file beside the old one, puts them on the disk, then renames the
// new file over the old in one step, keeping the old file's permission bits (a new file gets
// those of open() under the umask). A symbolic link is followed, so the link stays and its
// target gets the new content; a dangling link makes its target. Only where the folder
// refuses new files (permission, read-only mount) is an existing regular file written in
// place: the new bytes over the old, then the file cut to their length, never emptied first.
Replacement replaceFileContent(const std::string& path, std::string_view bytes);

} // namespace navivor
