#!/usr/bin/env bash
# The installer under Wine, in a Wine prefix of its own: /S installs silently
# under Program Files with Data/ beside the program and a Start-menu entry,
# the installed game starts and ends with status 0, and the uninstaller
# removes it all.
# Usage: installer.sh <setup.exe> <wine-run>
set -euo pipefail
setup=$1 runner=$2
source "$(dirname "$0")/on_private_x.sh"
export WINEPREFIX=$work/prefix

fail() { echo "installer: $*" >&2; exit 1; }

"$runner" "$setup" /S
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/Kringwoord"
for file in kringwoord.exe Data/Woorden.txt Data/LICENSE.txt COPYING Uninstall.exe; do
  [[ -f $installed/$file ]] || fail "no $file in $installed"
done
[[ -n $(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Kringwoord.lnk') ]] ||
  fail "no Start-menu entry"

"$runner" "$installed/kringwoord.exe" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(game_window) || fail "the installed game showed no window"
xdotool mousemove --window "$window" 562 364 click 1 # Annuleren
status=0
wait "$game_pid" || status=$?
game_pid=""
((status == 0)) || fail "the installed game ended with status $status"

"$runner" "$installed/Uninstall.exe" /S
wineserver -w
# The uninstaller runs from a copy of itself, which Wine may still be ending.
for _ in $(seq 50); do
  [[ -e $installed ]] || break
  sleep 0.2
done
[[ ! -e $installed ]] || fail "the uninstaller left $(find "$installed" | head -n 5)"
[[ -z $(find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Kringwoord.lnk') ]] ||
  fail "the uninstaller left the Start-menu entry"
