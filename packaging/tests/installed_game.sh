#!/usr/bin/env bash
# Installs the game into a temporary prefix and runs it from there, as a player
# who put it on PATH would: from another working folder, on a private X server.
# Usage: installed_game.sh <build folder> <built program> <application id> <version> <destroyed_windows_round.py>
set -euo pipefail
build=$1 built=$2 app_id=$3 version=$4 round=$5

work="$(mktemp -d)"
prefix="$work/prefix" elsewhere="$work/elsewhere"
mkdir "$elsewhere"
trap 'rm -rf "$work"' EXIT
fail() {
  echo "installed_game: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# The layout: bin/kringwoord a relative link, so the tree can move as a whole.
link="$(readlink "$prefix/bin/kringwoord")" || fail "bin/kringwoord is not a link"
[[ $link != /* ]] || fail "bin/kringwoord points to an absolute path: $link"
cmp -s "$built" "$prefix/bin/kringwoord" || fail "bin/kringwoord is not the program just built"
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
  export LC_ALL=C
  said="$(kringwoord --version)" && [[ $said == "Kringwoord $version" ]] || fail "--version"
  said="$(kringwoord --help)" && [[ $said == *--version* ]] || fail "--help failed or does not name --version"
  status=0
  kringwoord --no-such-option 2>/dev/null || status=$?
  ((status == 2)) || fail "an unknown option ended with status $status, not 2"
  # Output that cannot be written, and the game with no display: status 1.
  for command in "kringwoord --help >/dev/full" "kringwoord --version >&-" "kringwoord"; do
    status=0
    said="$(eval "$command" 2>&1 >/dev/null)" || status=$?
    ((status == 1)) || fail "$command ended with status $status, not 1"
    [[ $said != *$'\n'* && -n $said ]] || fail "$command said: $said"
    # A closed output stays closed: no file opened later takes its place.
    [[ $command != *'>&-' || $said == *'Bad file descriptor'* ]] || fail "$command said: $said"
  done
)

# The game on PATH on a private X server, its windows destroyed by another
# client: Load must find the 18,000 words beside the real program.
/usr/bin/python3 "$round" "$(command -v kringwoord)"
