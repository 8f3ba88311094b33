#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program on a real X server with a window manager, driven by simulated input: the window
# captions exactly as the window system receives them, and a clean exit (under the sanitizers,
# no leak report). Usage: real_display_test.sh PATH-TO-NAVIVOR PATH-TO-LANGUAGE-FILES
set -euo pipefail
program=$(realpath "$1")
languages=$(realpath "$2")
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    DISPLAY=$DISPLAY import -window root "$work/screen.png" 2>/dev/null &&
        cp "$work/screen.png" "${TMPDIR:-/tmp}/navivor-real-display-failure.png" || true
    exit 1
}

# Runs the command until it succeeds, for at most 20 seconds; fails with the text after that.
wait_until() {
    local what=$1
    shift
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.1
    done
    fail "$what"
}

exec 3<> "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
wait_until "Xvfb gave no display number" test -s "$work/display"
export DISPLAY=":$(head -n 1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
wm_running() { [[ $(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null) == *"window id"* ]]; }
wait_until "the window manager did not start" wm_running

# The window whose caption is exactly the text, once it is shown.
window_named() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}
# The caption the window system holds for the window.
caption_of() {
    xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}
# A window found may be one the toolkit is about to replace, and a search may fail on a window
# destroyed while it looks (an X error): either way the search is made again, for 20 s at most.
expect_caption() {
    local id caption= deadline=$((SECONDS + 20))
    while [ "$SECONDS" -le "$deadline" ]; do
        if id=$(window_named "$1" 2>/dev/null) && [ -n "$id" ]; then
            caption=$(caption_of "$id" 2>/dev/null) || caption=
            [ "$caption" = "$1" ] && { echo "$id"; return; }
        fi
        sleep 0.2
    done
    fail "no window captioned '$1' (last seen: '$caption')"
}

cd "$work"
printf 'E25;25;12.5;37.5\nE32;32;16;48\n' >laminations.csv
LANG=C.UTF-8 LC_ALL=C.UTF-8 "$program" >"$work/out.txt" 2>&1 &
navivor=$!
main=$(expect_caption "Расчет трансформатора")
xdotool windowactivate --sync "$main"

# The first worked example: 12 V at 2 A, the core too small, so the report says so.
xdotool type --delay 50 "12"
xdotool key Right
xdotool type --delay 50 "2"
xdotool key Tab Tab space
results=$(expect_caption "Результаты расчета")

# An empty thickness field: the program's own message box. The focus is still on the
# calculate button; the thickness field is six fields further in the tab order.
xdotool windowactivate --sync "$main"
xdotool key Tab Tab Tab Tab Tab Tab ctrl+a BackSpace Tab Tab Tab space
expect_caption "Ошибка !" >/dev/null
xdotool key Return

# A menu is a shown window of the program that the window manager leaves alone.
menu_shown() {
    local id
    for id in $(xdotool search --onlyvisible --class navivor 2>/dev/null); do
        [[ $(xwininfo -id "$id" 2>/dev/null) == *"Override Redirect State: yes"* ]] && return 0
    done
    return 1
}
# The bench tools of the "Сервис" menu: the rectifier dialog, its seventh item, the winding
# sheet, the eighth, which asks for a sufficient calculation first, and the core pick, the
# ninth, which picks a core for the load of the press with the core too small.
open_service_item() {
    xdotool windowactivate --sync "$main"
    xdotool mousemove --window "$main" 80 9 click 1
    wait_until "the menu did not open" menu_shown
    for _ in $(seq "$1"); do xdotool key Down; done
    xdotool key Return
}
open_service_item 7
rectifier=$(expect_caption "Выпрямитель")
xdotool windowactivate --sync "$rectifier" key Escape
open_service_item 8
expect_caption "Намоточные данные" >/dev/null
xdotool key Return
open_service_item 9
pick=$(expect_caption "Подбор сердечника")
xdotool windowactivate --sync "$pick" key alt+F4

xdotool windowactivate --sync "$results" key alt+F4
xdotool windowactivate --sync "$main" key alt+F4

expect_end() {
    for _ in $(seq 100); do kill -0 "$navivor" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$navivor" 2>/dev/null && fail "the program did not end after its main window closed"
    local status=0
    wait "$navivor" || status=$?
    [ "$status" -eq 0 ] || { cat "$work/out.txt" >&2; fail "exit status $status"; }
}
expect_end

# A second start in a saved language, with a settings file the program may not write. The
# usage window, made after the language chooser, speaks the language too; the font dialog
# confirmed as it opened leaves the window as it was; the close names the settings file once
# and still ends the program.
cp -r "$languages" lang
sed -i 's/^Lang=.*/Lang=English\r/' Navivor.ini
chmod 444 Navivor.ini
cp Navivor.ini settings-before
LANG=C.UTF-8 LC_ALL=C.UTF-8 "$program" >"$work/out.txt" 2>&1 &
navivor=$!
main=$(expect_caption "Transformer Calculation")
# The blinking text cursor in the grid, 1 by 12 pixels, may differ; any change of font would
# change thousands.
alike() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" -le 12 ]; }
# A picture of the window once it is painted and stays so: not blank, and the same as the
# picture taken just before it.
settled() {
    import -window "$main" "$work/next.png"
    [ "$(identify -format %k "$work/next.png")" -gt 2 ] && [ -f "$1" ] &&
        alike "$1" "$work/next.png" && return 0
    mv "$work/next.png" "$1"
    return 1
}
wait_until "the main window was never painted" settled before.png
open_service_item 1
fonts=$(expect_caption "Select Font")
xdotool windowactivate --sync "$fonts" key Return
font_dialog_gone() { ! xdotool search --onlyvisible --name "^Select Font\$" >/dev/null; }
wait_until "the font dialog stayed open" font_dialog_gone
wait_until "the main window did not settle" settled after.png
alike before.png after.png || fail "the font dialog confirmed unchanged changed the window"
open_service_item 12
info=$(expect_caption "How to use the program.")
xdotool mousemove --window "$info" 224 308 click 1 # its "Ok" button
xdotool windowactivate --sync "$main" key alt+F4
expect_caption "Navivor" >/dev/null
xdotool key Return
expect_end
cmp -s Navivor.ini settings-before || fail "the read-only settings file changed"
