#!/usr/bin/env bash
# The installer under Wine, with a prefix and desktop folders of its own: its
# window is "Kringwoord-installatie" (kept in <shots>); /S installs; while the
# installed game runs, a silent uninstall and install fail and change nothing;
# after it, the uninstaller leaves no file, link or registry key named
# Kringwoord, and nothing named Kringwoord ever reaches the desktop folders.
# Usage: installer.sh <setup.exe> <wine-run> <shots>
set -euo pipefail
setup=$1 runner=$2 shots=$3
source "$(dirname "$0")/on_private_x.sh"
export WINEPREFIX=$work/prefix XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$shots"
installed="$WINEPREFIX/drive_c/Program Files/Kringwoord"
fail() { echo "installer: $*" >&2; exit 1; }
# Every file, link and registry key whose name holds Kringwoord.
traces() {
  wineserver -w
  find "$WINEPREFIX/drive_c" -ipath '*kringwoord*'
  grep -ahio '^\[[^]]*kringwoord[^]]*\]' "$WINEPREFIX"/*.reg || true
}

"$runner" "$setup" & wine_pid=$!
window=$(window_named '^Kringwoord-installatie$') || fail "no window captioned Kringwoord-installatie"
import -window "$window" "$shots/installer.png"
kill "$wine_pid"

"$runner" "$setup" /S
for file in "$installed"/{kringwoord.exe,Data/Woorden.txt,Data/LICENSE.txt,COPYING,Uninstall.exe} \
  "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kringwoord.lnk"; do
  [[ -f $file ]] || fail "no $file"
done
whole=$(traces)

"$runner" "$installed/kringwoord.exe" >"$work/game.log" 2>&1 & wine_pid=$!
window=$(game_window) || fail "the installed game showed no window"
# Run in place (_?=), the uninstaller gives its status. NSIS takes the rest of
# the command line as the folder, unquoted, and Wine quotes a word with a space.
"$runner" "$installed/Uninstall.exe" /S '_?=C:\Program' 'Files\Kringwoord' &&
  fail "a silent uninstall ended with status 0 while the game ran"
"$runner" "$setup" /S && fail "a silent install ended with status 0 while the game ran"
close_game
[[ $(traces) == "$whole" ]] || fail "the game running, the installation changed: $(diff <(echo "$whole") <(traces))"

"$runner" "$installed/Uninstall.exe" /S
# The uninstaller runs from a copy of itself, which Wine may still be ending.
for _ in $(seq 50); do [[ -e $installed ]] || break; sleep 0.2; done
[[ -z $(traces) ]] || fail "the uninstaller left $(traces)"
[[ -z $(find "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" -iname '*kringwoord*') ]] ||
  fail "Wine wrote into the desktop folders: $(find "$XDG_DATA_HOME" "$XDG_CONFIG_HOME")"
