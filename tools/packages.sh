# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the run and test commands: installs the Debian packages the project needs when
# they are missing (as root), or says the one line that would (otherwise).

navivor_require_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing ${missing[*]}" >&2
        DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
            DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    else
        echo "Navivor needs these packages first:" >&2
        echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
}

# What building Navivor needs.
NAVIVOR_BUILD_PACKAGES=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev)
# What the window needs to look as designed: Arial's metrics, with Cyrillic; and Qt's own
# dialogs in the language chosen.
NAVIVOR_RUN_PACKAGES=(fonts-liberation qt6-translations-l10n)
# What the tests need besides the build: the independent model of the calculations, an
# X server with a window manager, input simulation and screenshots for the real display test,
# Clang with its libFuzzer for the fuzz targets, and the validators and manual page renderer
# of the release test.
NAVIVOR_TEST_PACKAGES=(python3 fonts-liberation qt6-translations-l10n xvfb openbox xdotool
    x11-utils imagemagick clang libclang-rt-14-dev desktop-file-utils appstream groff-base)
