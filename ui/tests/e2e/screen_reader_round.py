#!/usr/bin/python3
"""One round of the game as a screen-reader user plays it, through AT-SPI on a
private X server, run from another working folder; then a second game, started
as a session manager restarts it, whose Error box and then window this client
destroys. Both must end with status 0.

Usage: screen_reader_round.py PROGRAM [--screenshot FILE]
"""

import argparse
import os
import subprocess
import sys
import tempfile
import time


def wait_for(what, check, seconds=20.0):
    deadline = time.monotonic() + seconds
    while True:
        result = check()
        if result:
            return result
        if time.monotonic() > deadline:
            sys.exit(f"FAIL: {what}")
        time.sleep(0.1)


def expect_status_0(game, after):
    try:
        status = game.wait(timeout=20)
    except subprocess.TimeoutExpired:
        game.kill()
        status = "none: it runs on"
    if status != 0:
        sys.exit(f"FAIL: status after {after}: {status}")


def play_round(program, screenshot):
    import pyatspi

    def named(role, name):
        return pyatspi.findAllDescendants(app, lambda a: role in a.getRoleName() and a.name == name)

    def press(node):
        node.queryAction().doAction(0)

    game = subprocess.Popen([program], cwd=tempfile.gettempdir())

    app = wait_for("the game on the accessibility bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == game.pid), None))
    buttons = {}
    for word, tip in (("Load", "Woorden inladen (Ctrl+L)"),
                      ("Plaatsen", "Maak Kringwoord (Ctrl+N, F2)"),
                      ("Annuleren", "Sluiten (Ctrl+Q)")):
        button = wait_for(f"a push button {word}", lambda: named("push button", word))[0]
        if (button.description, button.queryAction().getName(0)) != (tip, "Press"):
            sys.exit(f"FAIL: {word} is described as {button.description!r} and has no press")
        buttons[word] = button
    wait_for("a list named Woorden", lambda: named("list", "Woorden"))
    count = wait_for("the count label", lambda: named("label", "0 Woorden"))[0]

    board = wait_for("the board, a table", lambda: named("table", "Bord"))[0]
    outer = [board.getChildAtIndex(i) for i in (0, 1, 2, 3, 5, 6, 7, 8)]

    def told(cell):
        """The letter and the order number a cell tells, "leeg, rij 1, kolom 2"
        or "E, 7, rij 1, kolom 1"; the number is empty while it is hidden."""
        said = cell.name.split(", ")[:-2]
        return said[0], said[1] if len(said) > 1 else ""

    if any(told(c) != ("leeg", "") for c in outer):
        sys.exit("FAIL: the empty board tells something")

    press(buttons["Load"])
    wait_for("the count after Load", lambda: count.name == "18000 Woorden")
    press(buttons["Plaatsen"])
    # Every word has at least seven letters once "IJ" is folded into one.
    wait_for("letters in the cells", lambda: sum(told(c)[0] != "leeg" for c in outer) >= 7)
    if any(told(c)[1] for c in outer) or count.name:
        sys.exit("FAIL: the order numbers or the word are told before the reveal")

    press(wait_for("the reveal box", lambda: named("check box", "Oplossing laten zien"))[0])
    wait_for("the numbers after the reveal", lambda: all(told(c)[1] for c in outer) and count.name)
    letters = {int(told(c)[1]): told(c)[0] for c in outer}
    word = "".join(letters[n] for n in range(1, 9))
    if sorted(letters) != list(range(1, 9)) or not count.name.startswith(word):
        sys.exit(f"FAIL: the cells spell {word!r} but the word is {count.name!r}")
    if screenshot:
        subprocess.run(["import", "-window", "root", screenshot], check=True)

    # Annuleren while Plaatsen still waits: the close runs inside that wait.
    press(buttons["Plaatsen"])
    press(buttons["Annuleren"])
    expect_status_0(game, "Annuleren")


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
    parser.add_argument("--screenshot", help="a PNG of the screen after the reveal")
    args = parser.parse_args()

    started = []
    try:
        # Xvfb writes its display number to the pipe once it takes clients. It
        # must not reset when a client leaves, as the accessibility bus
        # launcher does, or a game connecting meanwhile is refused.
        read_end, write_end = os.pipe()
        started.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
             "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        os.close(write_end)
        with os.fdopen(read_end) as numbers:
            os.environ["DISPLAY"] = ":" + numbers.readline().strip()
        started.append(subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                        stdout=subprocess.PIPE, text=True))
        os.environ.update({
            "DBUS_SESSION_BUS_ADDRESS": started[-1].stdout.readline().strip(),
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        })
        started.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"]))
        program = os.path.abspath(args.program)
        play_round(program, args.screenshot and os.path.abspath(args.screenshot))
        destroy_windows(program)
        print("PASS")
    finally:
        for process in reversed(started):
            process.terminate()
            process.wait()


if __name__ == "__main__":
    main()
