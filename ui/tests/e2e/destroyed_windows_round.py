#!/usr/bin/python3
"""The game on a private X server, run from another working folder and started
as a session manager restarts it, whose Error box and then window another
client destroys: the game goes on after the box, takes the keys again (Load
finds the words beside the program), and ends with status 0 after the window.

Usage: destroyed_windows_round.py PROGRAM
"""

import argparse
import os
import subprocess
import sys
import tempfile

from private_desktop import open_desktop, stop, wait_for


def expect_status_0(game, after):
    try:
        status = game.wait(timeout=20)
    except subprocess.TimeoutExpired:
        game.kill()
        status = "none: it runs on"
    if status != 0:
        sys.exit(f"FAIL: status after {after}: {status}")


def destroy_windows(program):
    import pyatspi
    from Xlib import display

    game = subprocess.Popen([program, "-session", "abc"], cwd=tempfile.gettempdir())
    screen = display.Display()

    def window_named(pattern):
        found = subprocess.run(["xdotool", "search", "--name", pattern],
                               capture_output=True, text=True).stdout.split()
        return found[0] if found else None

    def destroy(window):
        screen.create_resource_object("window", int(window)).destroy()
        screen.sync()

    def keys(window, *names):
        subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", *names], check=True)

    main = wait_for("the game's window", lambda: window_named(r"^Kringwoord \("))
    keys(main, "ctrl+n")
    destroy(wait_for("the Error box", lambda: window_named("^Error$")))
    # The game takes keys again: Load, by its shortcut, fills the list.
    app = wait_for("the game on the accessibility bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == game.pid), None))
    keys(main, "ctrl+l")
    wait_for("the count after Load", lambda: pyatspi.findDescendant(app, lambda a: a.name == "18000 Woorden"))
    destroy(main)
    expect_status_0(game, "its window was destroyed")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    args = parser.parse_args()

    started = []
    try:
        open_desktop(started)
        destroy_windows(os.path.abspath(args.program))
        print("PASS")
    finally:
        stop(started)


if __name__ == "__main__":
    main()
