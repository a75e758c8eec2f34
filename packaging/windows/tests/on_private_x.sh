# Sourced by the package tests: a private X server for Wine's windows, a work
# folder, and both gone at exit, with the Wine program in wine_pid. Wine runs
# through cmake/windows/wine-run.
# The game runs on Windows' own platform, whatever the caller's Qt would use.
unset QT_QPA_PLATFORM
work=$(mktemp -d)
xvfb_pid=""
wine_pid=""
cleanup() {
  kill $wine_pid $xvfb_pid 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY

# The first visible window named like <regex>, once it shows; fails after a
# minute. (xdotool's --sync gives up when another window vanishes meanwhile.)
window_named() {
  for _ in $(seq 120); do xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep . && return; sleep 0.5; done
  return 1
}
game_window() { window_named '^Kringwoord \(www'; }

# Clicks Annuleren in the game's window; fails unless Wine then ends with 0.
close_game() {
  xdotool mousemove --window "$window" 562 364 click 1
  wait "$wine_pid" || { echo "Wine ended with status $?:" >&2; cat "$work/game.log" >&2; exit 1; }
}
