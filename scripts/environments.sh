#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ordevix and checks, on an Xvfb display, that it starts, shows its main
# menu and computes correctly under system settings that often break desktop
# programs: unusual languages, missing fonts and translations, a large scale
# factor, a read-only home folder. Prints one line per environment, PASS or FAIL,
# and exits non-zero if any failed. Not part of CI: it needs root (apt-get,
# localedef, and mount namespaces to hide folders) and takes about a minute.
#
# In each environment:
#  1. the real program starts, its main menu "Bienvenido al Ordevix Tevaquin"
#     appears (found with xdotool), and Esc typed into it ends it with status 0;
#  2. the window tests' System suite starts the program the same way on the same
#     display and works its windows through their controls, comparing each
#     answer with one worked out for the decimal separator stated here.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -ne 0 ]; then
    exec sudo bash "$0" "$@"
fi

bash scripts/setup.sh
extra=()
for p in xvfb xdotool locales util-linux; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || extra+=("$p")
done
if ((${#extra[@]})); then
    echo "Installing: ${extra[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${extra[@]}" >/dev/null
fi

# The languages under test, generated if the system lacks them. xx_YY is left
# out on purpose: it is the language the system does not know.
for loc in tr_TR es_ES de_DE; do
    locale -a | grep -qx "${loc}.utf8" || localedef -i "$loc" -c -f UTF-8 "${loc}.UTF-8"
done

cmake --preset default >/dev/null
cmake --build --preset default --target ordevix ui_tests >/dev/null
program=$PWD/build/app/ordevix
tests=$PWD/build/tests/ui_tests

work=$(mktemp -d)
servers=()
trap 'kill "${servers[@]}" 2>/dev/null; rm -rf "$work"' EXIT
# Starts an Xvfb display of the given size, named NAME in $work, and sets
# $display to it.
start_xvfb() {
    exec 3>"$work/$1"
    Xvfb -displayfd 3 -screen 0 "$2" -nolisten tcp >"$work/$1.log" 2>&1 &
    servers+=($!)
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$work/$1" ] && break
        sleep 0.1
    done
    display=:$(head -1 "$work/$1")
}
start_xvfb display 1920x1080x24

# Runs a command in a fresh mount namespace with a clean environment: LANG and
# the given VAR=value words, the folders in $hide covered by an empty file system
# and those in $readonly made read-only.
hide=""
readonly_dirs=""
run() {
    local lang=$1
    shift
    local vars=()
    while [ $# -gt 0 ] && [[ $1 == *=* ]]; do
        vars+=("$1")
        shift
    done
    HIDE="$hide" READONLY="$readonly_dirs" unshare -m --propagation private sh -c '
        for d in $HIDE; do [ -d "$d" ] && mount -t tmpfs -o ro,size=4k ordevix-hidden "$d"; done
        for d in $READONLY; do mount --bind "$d" "$d" && mount -o remount,ro,bind "$d"; done
        exec "$@"' sh \
        env -i PATH="$PATH" HOME="$HOME" DISPLAY="$display" QT_QPA_PLATFORM=xcb LANG="$lang" \
        "${vars[@]}" "$@"
}

# The real program: its main menu appears, and Esc ends it with status 0.
starts_and_ends() {
    local lang=$1
    shift
    run "$lang" "$@" timeout 60 "$program" >"$work/program.log" 2>&1 &
    local pid=$!
    local window
    window=$(DISPLAY=$display timeout 30 xdotool search --sync --onlyvisible \
        --name '^Bienvenido al Ordevix Tevaquin$' 2>/dev/null | head -1) || true
    if [ -z "$window" ]; then
        echo "main menu never appeared" >"$work/why"
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        return 1
    fi
    DISPLAY=$display xdotool windowfocus "$window" 2>/dev/null || true
    sleep 0.3
    DISPLAY=$display xdotool key Escape
    local status=0
    wait "$pid" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "main menu appeared, but Esc ended the program with status $status" >"$work/why"
        return 1
    fi
}

# One environment: a label, the decimal separator its regional settings give
# (comma or period), LANG, and further VAR=value words; $hide and $readonly_dirs
# as set by the caller.
failed=0
total=0
environment() {
    local label=$1 separator=$2 lang=$3
    shift 3
    local verdict=PASS detail=""
    total=$((total + 1))
    : >"$work/why"
    if ! starts_and_ends "$lang" "$@"; then
        verdict=FAIL
        detail="program: $(cat "$work/why")"
    fi
    local status=0
    run "$lang" "$@" ORDEVIX_EXPECT_DECIMAL="$separator" timeout 120 "$tests" \
        --gtest_filter='System.*' >"$work/tests.log" 2>&1 || status=$?
    if [ "$status" -ne 0 ] || ! grep -q '^\[  PASSED  \] [1-9]' "$work/tests.log"; then
        verdict=FAIL
        detail="$detail System suite: status $status"
    fi
    if [ "$verdict" = PASS ]; then
        echo "PASS $label: main menu shown, Esc ends with 0; System suite passed, decimal $separator"
    else
        failed=$((failed + 1))
        echo "FAIL $label:$detail"
        grep -E '^\[  FAILED  \]|Failure|Which is|trace:|^[^ ]+:[0-9]+: ' "$work/tests.log" |
            sed 's/^/    /' | head -40 || true
        tail -5 "$work/program.log" 2>/dev/null | sed 's/^/    /'
    fi
}

environment "LANG=C" period C
environment "LANG=tr_TR.UTF-8" comma tr_TR.UTF-8
environment "LANG=es_ES.UTF-8" comma es_ES.UTF-8
environment "LANG=de_DE.UTF-8" comma de_DE.UTF-8
environment "LANG=xx_YY.UTF-8" period xx_YY.UTF-8

# The rest in Spanish, the program's own language.
fonts=""
for d in /usr/share/fonts/truetype/liberation /usr/share/fonts/truetype/liberation2 \
    /usr/share/fonts/truetype/dejavu; do
    [ -d "$d" ] && fonts="$fonts $d"
done
hide=$fonts
environment "no stand-in fonts (hidden:$fonts) LANG=es_ES.UTF-8" comma es_ES.UTF-8
hide=""
# No font at all, whatever else the machine has: fontconfig sees one empty folder.
mkdir -p "$work/no-fonts"
cat >"$work/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><dir>$work/no-fonts</dir><cachedir>$work/no-fonts-cache</cachedir></fontconfig>
EOF
environment "no fonts at all (FONTCONFIG_FILE lists an empty folder) LANG=es_ES.UTF-8" comma \
    es_ES.UTF-8 FONTCONFIG_FILE="$work/fonts.conf"
translations=$(qtpaths6 --query QT_INSTALL_TRANSLATIONS 2>/dev/null || echo /usr/share/qt6/translations)
hide=$translations
environment "no Qt translations (hidden: $translations) LANG=es_ES.UTF-8" comma es_ES.UTF-8
hide=""
environment "QT_SCALE_FACTOR=3 LANG=es_ES.UTF-8" comma es_ES.UTF-8 QT_SCALE_FACTOR=3
readonly_dirs=$HOME
environment "read-only HOME=$HOME LANG=es_ES.UTF-8" comma es_ES.UTF-8
readonly_dirs=""

# Where the windows come back: the main menu and "¿Es divisible?" each reappear
# where they were after two round trips through "INICIO", first on the bare
# display, then under a window manager (openbox), which places anew every window
# whose program does not say where it goes; and the windows' class is the one
# the desktop entry names. Each counted as one more environment.
dpkg-query -W -f='${Status}' openbox 2>/dev/null | grep -q 'install ok installed' || {
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends openbox >/dev/null
}
x() { DISPLAY=$display timeout 20 xdotool "$@"; }
at() { x getwindowgeometry --shell "$1" | sed -n 's/^[XY]=//p' | paste -sd,; }
keeps_places() {
    local label=$1
    total=$((total + 1))
    run es_ES.UTF-8 timeout 60 "$program" >"$work/program.log" 2>&1 &
    local pid=$! menu tool menus="" tools="" verdict=PASS
    menu=$(x search --sync --onlyvisible --name '^Bienvenido al Ordevix Tevaquin$' | head -1) || true
    if [ -n "$menu" ]; then
        sleep 0.5
        menus=$(at "$menu")
        for _ in 1 2; do
            x windowfocus "$menu" && sleep 0.3 && x key alt+e # "&Es Divisible"
            tool=$(x search --sync --onlyvisible --name '^¿Es divisible\?$' | head -1) || break
            sleep 0.5
            tools="$tools $(at "$tool")"
            # "INICIO": 1560, 3360 twips, 975 x 495, clicked in its middle.
            x mousemove --window "$tool" 136 240 click 1
            x search --sync --onlyvisible --name '^Bienvenido al Ordevix Tevaquin$' >/dev/null || break
            sleep 0.5
            menus="$menus $(at "$menu")"
        done
        x windowfocus "$menu" && sleep 0.3 && x key Escape
    fi
    wait "$pid" 2>/dev/null || true
    read -ra m <<<"$menus"
    read -ra t <<<"$tools"
    if [ "${#m[@]}" -ne 3 ] || [ "${#t[@]}" -ne 2 ] || [ "${m[0]}" != "${m[1]}" ] ||
        [ "${m[1]}" != "${m[2]}" ] || [ "${t[0]}" != "${t[1]}" ]; then
        verdict=FAIL
        failed=$((failed + 1))
    fi
    echo "$verdict $label: main menu at ${menus:-?}, ¿Es divisible? at${tools:- ?}"
}
keeps_places "window places, no window manager"
# A dock matches the windows to the desktop entry by their class.
total=$((total + 1))
wm_class=$(sed -n 's/^StartupWMClass=//p' packaging/org.ordevix.ordevix.desktop)
run es_ES.UTF-8 timeout 60 "$program" >"$work/program.log" 2>&1 &
pid=$!
menu=$(x search --sync --onlyvisible --class "^${wm_class:-none}\$" | head -1) || true
if [ -n "$menu" ]; then
    echo "PASS desktop entry: the main menu's window class is its StartupWMClass, $wm_class"
    x windowfocus "$menu" && sleep 0.3 && x key Escape
else
    failed=$((failed + 1))
    echo "FAIL desktop entry: no window of class \"$wm_class\", its StartupWMClass"
    kill "$pid" 2>/dev/null
fi
wait "$pid" 2>/dev/null || true
start_xvfb wm-display 1280x900x24
DISPLAY=$display openbox --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
for _ in $(seq 100); do
    [ -e "$work/wm-ready" ] && break
    sleep 0.1
done
keeps_places "window places, openbox"

echo "$((total - failed)) of $total environments passed"
[ "$failed" -eq 0 ]
