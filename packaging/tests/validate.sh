#!/usr/bin/env bash
# Passes when a validator has nothing to say against an installed file.
# Usage: validate.sh desktop|appstream|man <file>
set -uo pipefail
kind=$1 file=$2 status=0
case $kind in
  # Anything desktop-file-validate prints is a complaint.
  desktop) report="$(desktop-file-validate "$file" 2>&1)" || status=$? ;;
  # AppStream's notes (I:) and pedantic hints (P:) are not warnings; the
  # reserved .example domain always draws the note cid-maybe-not-rdns.
  appstream)
    report="$(appstreamcli validate --no-net "$file" 2>&1)" || status=$?
    report="$(grep -E '^[EW]:' <<<"$report")"
    ;;
  # The page itself goes to stdout; warnings and errors to stderr.
  man) report="$(man --warnings -l "$file" 2>&1 >/dev/null)" || status=$? ;;
  *) echo "validate.sh: unknown kind '$kind'" >&2; exit 2 ;;
esac

if ((status != 0)) || [[ -n $report ]]; then
  echo "$kind validation of $file failed (status $status):"
  echo "$report"
  exit 1
fi
