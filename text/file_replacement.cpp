// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/file_replacement.h"

#include "text/file_descriptor.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <vector>

namespace navivor {
namespace {

bool isOutOfSpace(int error) {
    return error == ENOSPC || error == EDQUOT;
}

// As many links as the kernel itself follows before it gives up with ELOOP.
constexpr int kLongestLinkChain = 40;

// The file a path leads to through symbolic links, which need not exist; nothing for a
// chain of links that does not end.
std::optional<std::string> linkTarget(std::string path) {
    for (int hop = 0; hop < kLongestLinkChain; ++hop) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        std::vector<char> target(static_cast<std::size_t>(status.st_size) + 1);
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size())
            return std::nullopt;
        const std::string next(target.data(), static_cast<std::size_t>(length));
        const auto slash = path.rfind('/');
        // A relative target is named from the folder the link lies in.
        path = next.starts_with('/') || slash == std::string::npos
                   ? next
                   : path.substr(0, slash + 1) + next;
    }
    return std::nullopt;
}

// Puts all the bytes, going on after a partial write or an interrupted call, and then makes
// sure they are on the disk: a full disk or a failing device shows here, not later.
bool writeAndSync(int file, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(file, bytes.data(), bytes.size());
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return ::fsync(file) == 0;
}

// The mode open() would give a new file. POSIX reads the umask only by setting it, so it is
// set back at once.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// For a writable file in a folder that takes no new file. The old length is cut only after
// every new byte is written, so a crash midway leaves the new bytes over the old ones.
Replacement writeInPlace(const std::string& path, std::string_view bytes) {
    const FileDescriptor file(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.value() < 0)
        return Replacement::cannotCreate;
    if (!writeAndSync(file.value(), bytes) ||
        ::ftruncate(file.value(), static_cast<off_t>(bytes.size())) != 0 ||
        ::fsync(file.value()) != 0)
        return Replacement::writeFailed;
    return Replacement::done;
}

} // namespace

Replacement replaceFileContent(const std::string& path, std::string_view bytes) {
    const std::optional<std::string> target = linkTarget(path);
    if (!target)
        return Replacement::cannotCreate;
    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (exists ? !S_ISREG(old.st_mode) : errno != ENOENT)
        return Replacement::cannotCreate;

    std::string temporary = *target + ".XXXXXX";
    const FileDescriptor file(::mkstemp(temporary.data()));
    if (file.value() < 0) {
        const int error = errno;
        if (isOutOfSpace(error))
            return Replacement::noSpace;
        const bool folderRefuses = error == EACCES || error == EPERM || error == EROFS;
        return exists && folderRefuses ? writeInPlace(*target, bytes) : Replacement::cannotCreate;
    }
    if (::fchmod(file.value(), exists ? old.st_mode & 07777 : newFileMode()) == 0 &&
        writeAndSync(file.value(), bytes) && ::rename(temporary.c_str(), target->c_str()) == 0)
        return Replacement::done;
    const int error = errno;
    ::unlink(temporary.c_str());
    return isOutOfSpace(error) ? Replacement::noSpace : Replacement::writeFailed;
}

} // namespace navivor
