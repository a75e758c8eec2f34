# Sourced by the package tests: a private X server for Wine's windows, a work
# folder, and both gone at exit. Wine runs through cmake/windows/wine-run.
# The game runs on Windows' own platform, whatever the caller's Qt would use.
unset QT_QPA_PLATFORM
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  kill $game_pid $xvfb_pid 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  if [[ -s $work/display ]]; then break; fi
  sleep 0.1
done
[[ -s $work/display ]] || { cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY

# The game's window id, once it shows; fails after 60 seconds.
game_window() {
  timeout 60 xdotool search --sync --onlyvisible --name '^Kringwoord \(www' | head -n 1
}
