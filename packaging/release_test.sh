#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# What a release says about itself agrees with the project's version, release date and
# identity in the top-level CMakeLists.txt: the Debian changelog and control file, NEWS.md and
# what the program gives Qt; the manual pages render in the C locale without a warning; the
# desktop entry and the metainfo validate (each check whose tool is missing is skipped); every
# source file names its licence in its first lines.
#
# Usage: release_test.sh SOURCE-DIR BUILD-PACKAGING-DIR VERSION DATE APP-ID HOMEPAGE CONTACT
set -u
source_dir=$1 build_dir=$2 version=$3 date=$4 app_id=$5 homepage=$6 contact=$7
passed=0
failed=0
skipped=0

check() { # check DESCRIPTION ACTUAL EXPECTED
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: %s: "%s", expected "%s"\n' "$1" "$2" "$3" >&2
    fi
}
field() { sed -n "s/^$1: *//p" "$source_dir/debian/control" | head -n 1; }
changelog=$source_dir/debian/changelog
trailer=$(sed -n 's/^ -- //p' "$changelog" | head -n 1)

check "debian/changelog's version" "$(sed -n '1s/^navivor (\([^)]*\)).*/\1/p' "$changelog")" "$version"
check "debian/changelog's date" "$(date -u -d "${trailer#*>  }" +%F 2>/dev/null)" "$date"
check "debian/changelog's maintainer" "${trailer%%>*}>" "$contact"
check "debian/control's maintainer" "$(field Maintainer)" "$contact"
check "debian/control's homepage" "$(field Homepage)" "$homepage"
check "NEWS.md's newest release" "$(grep -m 1 '^## ' "$source_dir/NEWS.md")" "## $version ($date)"

# Both pages, as man renders them for a terminal without UTF-8.
if command -v nroff >/dev/null; then
    for page in navivor navivor-calc; do
        [ -f "$build_dir/$page.1" ] || continue
        check "$page(1) renders in the C locale without a warning" \
            "$(LC_ALL=C nroff -man "$build_dir/$page.1" 2>&1 >/dev/null)" ""
    done
else
    skipped=$((skipped + 1))
fi
if command -v desktop-file-validate >/dev/null; then
    check "the desktop entry validates" \
        "$(desktop-file-validate "$source_dir/packaging/navivor.desktop" 2>&1)" ""
else
    skipped=$((skipped + 1))
fi
if command -v appstreamcli >/dev/null && [ -f "$build_dir/$app_id.metainfo.xml" ]; then
    appstreamcli validate --no-net --pedantic "$build_dir/$app_id.metainfo.xml" >"$build_dir/appstream.log" 2>&1
    check "the metainfo validates (appstreamcli's status)" "$?" 0
else
    skipped=$((skipped + 1))
fi

check "source files without the SPDX licence line" "$(
    find "$source_dir" -path "$source_dir/build" -prune -o -path "$source_dir/.git" -prune -o \
        -path "$source_dir/obj-*" -prune -o \
        -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' \
        -o -name CMakeLists.txt \) -print |
        while read -r file; do
            head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$file"
        done)" ""

echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" = 0 ]
