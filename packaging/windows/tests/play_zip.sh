#!/usr/bin/env bash
# One round of the game as a Windows player has it: kringwoord.exe from the
# unpacked zip, under Wine on a private X server, started from another working
# folder. Load fills the list, Plaatsen lays the letters, the solution shows
# the numbers and the word, and Annuleren ends Wine with status 0. Each step
# must change its part of the window; the screenshots stay in <shots>.
# Usage: play_zip.sh <zip> <wine-run> <shots>
set -euo pipefail
zip=$1 runner=$2 shots=$3
source "$(dirname "$0")/on_private_x.sh"

unzip -q "$zip" -d "$work/unpacked"
program=$(find "$work/unpacked" -name kringwoord.exe)
mkdir -p "$work/elsewhere" "$shots"
(cd "$work/elsewhere" && exec "$runner" "$program") >"$work/game.log" 2>&1 & wine_pid=$!
window=$(game_window)

# Clicks a point of the window's client area, then moves the pointer out of
# the way; each button dips for 0.2 s before its command runs.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1 mousemove 1023 767; sleep 1.5; }
shot() { import -window "$window" "$shots/$1.png"; }
# Fails unless the part <geometry> of two screenshots differs in many pixels.
changed() {
  local differing
  differing=$(compare -metric AE -extract "$3" "$shots/$1.png" "$shots/$2.png" null: 2>&1 || true)
  [[ $differing =~ ^[0-9]+$ ]] && ((differing >= 50)) ||
    { echo "play_zip: $4 ($2 against $1 in $3: ${differing} pixels differ)" >&2; exit 1; }
}

sleep 1
shot start
click 568 27   # Load
shot loaded
changed start loaded 120x228+400+16 "Load did not fill the list"
click 430 364  # Plaatsen
shot puzzle
changed loaded puzzle 360x360+14+16 "Plaatsen laid no letters"
click 409 299  # Oplossing laten zien
shot solution
changed puzzle solution 360x360+14+16 "the solution showed no numbers"
close_game
