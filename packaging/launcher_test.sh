#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The launcher packaging/navivor.in against a made-up installation: it prepares the user's
# working folder, keeps the user's own files, follows a newer installation, keeps the settings
# in the settings folder, and starts the program in that folder with the arguments it was
# given.
#
# Usage: launcher_test.sh NAVIVOR.IN
set -eu
launcher_in=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
top=$(mktemp -d)
trap 'rm -rf "$top"' EXIT
passed=0
failed=0

check() { # check DESCRIPTION COMMAND...
    description=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $description" >&2
    fi
}
points_to() { [ -L "$1" ] && [ "$(readlink "$1")" = "$2" ]; }
holds() { [ -f "$1" ] && [ ! -L "$1" ] && [ "$(cat "$1")" = "$2" ]; }
real_folder() { [ -d "$1" ] && [ ! -L "$1" ]; }
absent() { [ ! -e "$1" ] && [ ! -L "$1" ]; }

# The installation: data, and a program that tells where it ran and its arguments, one a line.
data="$top/install dir/share/navivor"
mkdir -p "$data/lang"
for name in English Russian Ukrainian; do echo "$name" >"$data/lang/$name.ini"; done
for name in wiresize wiretype; do echo "$name" >"$data/$name.htm"; done
program="$top/install dir/libexec/navivor/navivor"
mkdir -p "$(dirname "$program")"
# shellcheck disable=SC2016 # the program expands them
printf '#!/bin/sh\npwd >"$HOME/ran"\nprintf "%%s\\n" "$@" >>"$HOME/ran"\n' >"$program"
chmod +x "$program"
launcher="$top/install dir/bin/navivor"
mkdir -p "$(dirname "$launcher")"
sed -e "s|@NAVIVOR_DATA_DIR@|$data|" -e "s|@NAVIVOR_PROGRAM@|$program|" "$launcher_in" >"$launcher"
chmod +x "$launcher"

home="$top/a home"
mkdir -p "$home"
start() { (cd / && env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" "$@" "$launcher" --a 'two words' '*') }
work="$home/.local/share/navivor"

# The first start makes the folder: a real lang/ with a link to each language file, and a
# link to each document.
start
check "the program runs in the working folder" [ "$(sed -n 1p "$home/ran")" = "$work" ]
check "the program gets the arguments as given" [ "$(sed -n '2,$p' "$home/ran")" = "--a
two words
*" ]
check "lang/ is a real folder" real_folder "$work/lang"
for name in English Russian Ukrainian; do
    check "lang/$name.ini is linked" points_to "$work/lang/$name.ini" "$data/lang/$name.ini"
done
check "wiresize.htm is linked" points_to "$work/wiresize.htm" "$data/wiresize.htm"
check "wiretype.htm is linked" points_to "$work/wiretype.htm" "$data/wiretype.htm"

# The user's own files stay as they are: a language of his own, his own English, his
# settings, and a dangling link of his own.
echo mine >"$work/lang/Mine.ini"
rm "$work/lang/English.ini"
echo "my English" >"$work/lang/English.ini"
echo settings >"$work/Navivor.ini"
ln -s "$top/elsewhere" "$work/lang/Gone.ini"
# A newer installation adds a language and a document, and drops one of each.
echo Polish >"$data/lang/Polish.ini"
echo dimensions >"$data/dimensions.htm"
rm "$data/lang/Ukrainian.ini" "$data/wiretype.htm"
start
check "the user's own language file stays" holds "$work/lang/Mine.ini" mine
check "the user's own English.ini stays" holds "$work/lang/English.ini" "my English"
check "the settings file moves to the settings folder" holds "$home/.config/navivor/Navivor.ini" settings
check "the user's own dangling link stays" points_to "$work/lang/Gone.ini" "$top/elsewhere"
check "a new language file is linked" points_to "$work/lang/Polish.ini" "$data/lang/Polish.ini"
check "a new document is linked" points_to "$work/dimensions.htm" "$data/dimensions.htm"
check "the link to a dropped language file goes" absent "$work/lang/Ukrainian.ini"
check "the link to a dropped document goes" absent "$work/wiretype.htm"

# XDG_DATA_HOME, when absolute, holds the folder; a relative one is ignored.
start XDG_DATA_HOME="$top/xdg"
check "XDG_DATA_HOME holds the folder" [ "$(sed -n 1p "$home/ran")" = "$top/xdg/navivor" ]
check "lang/ under XDG_DATA_HOME" points_to "$top/xdg/navivor/lang/English.ini" "$data/lang/English.ini"
start XDG_DATA_HOME=relative/path
check "a relative XDG_DATA_HOME is ignored" [ "$(sed -n 1p "$home/ran")" = "$work" ]

# The settings file. Each row starts from a new home whose working folder holds what BEFORE
# makes, starts with XDG_CONFIG_HOME as given ("-" unset), and checks AFTER; then starts again
# and checks AFTER once more, so that a second start changes nothing.
config="$home/.config/navivor"
printf '[MainForm]\r\nbgc1=\342\r\n' >"$top/old.ini" # Windows-1251, CR LF
nothing() { :; }
old_file() { cp "$top/old.ini" "$work/Navivor.ini"; }
is_old() { [ -f "$1" ] && [ ! -L "$1" ] && cmp -s "$1" "$top/old.ini"; }
both_files() { old_file && printf 'newer' >"$config/Navivor.ini"; }
own_link() { ln -s "$top/mine.ini" "$work/Navivor.ini"; }
link_without_folder() { ln -s "$config/Navivor.ini" "$work/Navivor.ini"; }
linked() { points_to "$work/Navivor.ini" "$config/Navivor.ini" && real_folder "$config"; }
moved() { linked && is_old "$config/Navivor.ini" && [ "$(ls -A "$config")" = Navivor.ini ]; }
kept_both() { is_old "$work/Navivor.ini" && holds "$config/Navivor.ini" newer &&
    grep -q "was not moved" "$top/message"; }
own_link_kept() { points_to "$work/Navivor.ini" "$top/mine.ini" && absent "$config/Navivor.ini"; }
linked_under_xdg() { points_to "$work/Navivor.ini" "$top/config/navivor/Navivor.ini"; }
stays_without_folder() { is_old "$work/Navivor.ini" && grep -q "stay" "$top/message"; }
nothing_without_folder() { absent "$work/Navivor.ini" && [ "$(sed -n 1p "$home/ran")" = "$work" ]; }
no_link_to_itself() { absent "$work/Navivor.ini"; }
while IFS='|' read -r name before config_home after; do
    rm -rf "$home" "$top/config" "$top/message"
    mkdir -p "$work" "$config"
    [ "$before" = link_without_folder ] && rmdir "$config"
    "$before"
    set -- env
    [ "$config_home" = - ] || set -- env XDG_CONFIG_HOME="$config_home"
    for run in first second; do
        start "$@" 2>>"$top/message" || :
        check "settings, $name ($run start)" "$after"
    done
done <<EOF
a first start links the settings file to come|nothing|-|linked
an older installation's settings move, byte for byte|old_file|-|moved
settings in both folders stay where they are|both_files|-|kept_both
a link of the user's own stays|own_link|-|own_link_kept
a link whose settings folder is gone gets it again|link_without_folder|-|linked
XDG_CONFIG_HOME holds the settings folder|nothing|$top/config|linked_under_xdg
a relative XDG_CONFIG_HOME is ignored|old_file|relative/path|moved
no settings folder: the old file stays in use|old_file|/proc/navivor-nowhere|stays_without_folder
no settings folder: the program starts all the same|nothing|/proc/navivor-nowhere|nothing_without_folder
a settings folder that is the working folder gets no link to itself|nothing|$home/.local/share|no_link_to_itself
EOF

# A folder that cannot be made stops the launcher with a message, not the program.
rm "$home/ran"
if start XDG_DATA_HOME=/proc/navivor-nowhere 2>"$top/message"; then status=0; else status=$?; fi
check "an unusable folder ends the launcher with status 1" [ "$status" = 1 ]
check "the program is not started there" [ ! -e "$home/ran" ]
check "the launcher says why" grep -q "cannot prepare the working folder" "$top/message"

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
