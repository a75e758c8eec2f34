#!/usr/bin/env bash
# Installs the game into a temporary prefix and runs it from there, as a player
# who put it on PATH would: from another working folder, on a private X server.
# Usage: installed_game.sh <build folder> <application id> <version>
set -euo pipefail
build=$1 app_id=$2 version=$3

work="$(mktemp -d)"
prefix="$work/prefix" elsewhere="$work/elsewhere" xvfb_pid="" game_pid=""
mkdir "$elsewhere"
cleanup() {
  if [[ -n $game_pid ]]; then kill "$game_pid" 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "installed_game: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# The layout: bin/kringwoord a relative link, so the tree can move as a whole.
link="$(readlink "$prefix/bin/kringwoord")" || fail "bin/kringwoord is not a link"
[[ $link != /* ]] || fail "bin/kringwoord points to an absolute path: $link"
for file in bin/kringwoord lib/kringwoord/Data/Woorden.txt lib/kringwoord/Data/LICENSE.txt \
  share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
  share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$app_id.png \
  share/icons/hicolor/scalable/apps/$app_id.svg share/man/man6/kringwoord.6.gz \
  share/doc/kringwoord/copyright; do
  [[ -s $prefix/$file ]] || fail "not installed: $file"
done

export PATH="$prefix/bin:$PATH"
cd "$elsewhere"

# The command line answers without any display.
(
  unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
  [[ "$(kringwoord --version)" == "Kringwoord $version" ]] || fail "--version"
  help="$(kringwoord --help)" || fail "--help"
  [[ $help == *--version* ]] || fail "--help does not name --version"
  status=0
  kringwoord --no-such-option 2>/dev/null || status=$?
  ((status == 2)) || fail "an unknown option ended with status $status, not 2"
)

# Xvfb picks a free display number and writes it once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  if [[ -s $work/display ]]; then break; fi
  sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

kringwoord >"$work/game.log" 2>&1 &
game_pid=$!
window="$(timeout 30 xdotool search --sync --onlyvisible --name '^Kringwoord \(' | head -n 1 || true)"
[[ -n $window ]] || fail "the window did not show: $(cat "$work/game.log")"
click() { xdotool mousemove --window "$window" "$1" "$2" click 1 mousemove 1023 767; }

# Load, then Plaatsen: with no words found, Plaatsen would open the Error box.
click 568 27 && sleep 1
click 430 364 && sleep 1
if xdotool search --onlyvisible --name '^Error$' >/dev/null; then
  fail "Plaatsen after Load found no words: Data/ was not found beside the program"
fi
click 562 364
status=0
wait "$game_pid" || status=$?
game_pid=""
((status == 0)) || fail "the game ended with status $status: $(cat "$work/game.log")"

# >>> AT-SPI ROUND: check that Load gives "18000 Woorden" here, on "$prefix/bin/kringwoord" from "$elsewhere".
