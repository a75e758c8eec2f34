#!/usr/bin/python3
"""One round of the game played by keyboard with Debian's screen reader Orca,
on a private X server, window manager, session bus and accessibility bus;
speech goes to a null audio device. What Orca says is read from its debug
file.

Usage: orca_round.py PROGRAM
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from private_desktop import open_desktop, start, stop, wait_for

SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\[?\{")
ROUND_SECONDS = 100


class Orca:
    """What Orca has spoken, read from its debug file."""

    def __init__(self, debug_file):
        self.debug_file = debug_file

    def text(self):
        with open(self.debug_file, encoding="utf-8", errors="replace") as log:
            return log.read()

    def spoken(self):
        return [m.group(1) for m in SPOKEN.finditer(self.text())]

    def after(self, keys, until, what, settle=0.4):
        """Presses the keys and waits until until(the lines spoken since) holds,
        and a little longer; returns those lines and the seconds until it held."""
        start = len(self.spoken())
        pressed = time.monotonic()
        subprocess.run(["xdotool", "key", "--delay", "100", *keys.split()], check=True)
        wait_for(lambda: f"{what}: Orca said {self.spoken()[start:]}", lambda: until(self.spoken()[start:]))
        took = time.monotonic() - pressed
        time.sleep(settle)
        said = self.spoken()[start:]
        print(f"{what} ({took:.2f} s): {said}", flush=True)
        return said, took


def write(path, text, mode="w"):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, mode) as file:
        file.write(text)


def private_home(root):
    """A home in which speech-dispatcher plays to a null audio device; returns
    speech-dispatcher's settings folder."""
    home = os.path.join(root, "home")
    speechd = os.path.join(home, ".config", "speech-dispatcher")
    shutil.copytree("/etc/speech-dispatcher", speechd)
    write(os.path.join(speechd, "speechd.conf"), '\nAudioOutputMethod "libao"\n', "a")
    write(os.path.join(home, ".libao"), "default_driver=null\n")
    # Orca writes its debug file in blocks; this round reads it line by line.
    write(os.path.join(home, ".local", "share", "orca", "orca-customizations.py"),
          "from orca import debug\nif debug.debugFile:\n    debug.debugFile.reconfigure(line_buffering=True)\n")
    os.environ["HOME"] = home
    for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"):
        os.environ.pop(name, None)  # all under the home
    os.environ["XDG_RUNTIME_DIR"] = os.path.join(root, "runtime")
    os.mkdir(os.environ["XDG_RUNTIME_DIR"], 0o700)
    return speechd


def desktop(started, root):
    speechd = private_home(root)
    # Orca's own words, such as role names, in English
    os.environ.update({"LC_ALL": "C.UTF-8", "LANGUAGE": ""})
    open_desktop(started)
    start(started, ["openbox", "--config-file", "/dev/null"],
          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    start(started, ["speech-dispatcher", "--run-single", "--timeout", "0",
                    "--config-dir", speechd],
          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def give_up(signum, frame):
    sys.exit(f"FAIL: the round took longer than {ROUND_SECONDS} s")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    args = parser.parse_args()
    program = os.path.abspath(args.program)

    # Ends the round itself, before CTest would kill it and leave the
    # processes it started behind.
    signal.signal(signal.SIGALRM, give_up)
    signal.signal(signal.SIGTERM, give_up)
    signal.alarm(ROUND_SECONDS)
    started = []
    root = tempfile.mkdtemp(prefix="orca_round.")
    try:
        desktop(started, root)
        debug_file = os.path.join(root, "orca.log")
        write(debug_file, "")  # none left from an earlier round
        # Orca will not start while another one of this user's runs.
        wait_for(lambda: "another Orca runs: " + subprocess.run(["pgrep", "-a", "-x", "orca"], capture_output=True, text=True).stdout,
                 lambda: subprocess.run(["pgrep", "-x", "orca"], capture_output=True).returncode != 0, 30)
        start(started, ["orca", "--debug", f"--debug-file={debug_file}"],
              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        orca = Orca(debug_file)
        # A game that starts before Orca listens is never heard.
        wait_for("Orca listening", lambda: "ORCA: Starting registry" in orca.text(), 30)
        start(started, [program], cwd=root)
        wait_for("the window told as a frame, with its title",
                 lambda: has(r"^Kringwoord \(.*\bframe\b")(orca.spoken()))
        with open(os.path.join(os.path.dirname(program), "Data", "Woorden.txt"), encoding="cp1252") as words:
            last_word = words.read().split()[-1]
        play(orca, last_word)
        print("PASS")
    finally:
        stop(started)
        shutil.rmtree(root, ignore_errors=True)


def has(pattern):
    return lambda said: any(re.search(pattern, line) for line in said)


def cells(said):
    """The board cells in what was said, as {(row, column): (letter, number)}."""
    found = {}
    for line in said:
        for letter, number, row, column in CELL.findall(line):
            found[int(row), int(column)] = (letter, number)
    return found


CELL = re.compile(r"\b(IJ|[A-Z]|leeg|paard)(?:, (\d))?, rij (\d), kolom (\d)\b")
# Through every cell from the top-left corner, and back.
WALK = ["Right", "Right", "Down", "Left", "Left", "Down", "Right", "Right"]
BACK = ["Left", "Left", "Up", "Right", "Right", "Up", "Left", "Left"]


def walk(orca, keys, at):
    """Moves over the board; returns what each cell said, by place."""
    seen = {}
    row, column = at
    for key in keys:
        row += {"Up": -1, "Down": 1}.get(key, 0)
        column += {"Left": -1, "Right": 1}.get(key, 0)
        said, _ = orca.after(key, has(rf"rij {row + 1}, kolom {column + 1}\b"), f"{key} to {row + 1},{column + 1}")
        seen[row, column] = cells(said)[row + 1, column + 1]
    return seen


def play(orca, last_word):
    orca.after("ctrl+l", has(r"^notification 18000 Woorden"), "Load")
    made = len(orca.spoken())
    said, _ = orca.after("ctrl+n", has(r"^notification "), "Plaatsen")
    if has(r"verborgen")(said):
        sys.exit(f"FAIL: a solution that never showed was hidden: {said}")
    said, _ = orca.after("Tab", has(r"rij 1, kolom 1"), "Tab to the board")
    if not has(r"\btable with 3 rows 3 columns")(said):
        sys.exit(f"FAIL: the board is not told as a table of 3 by 3: {said}")
    puzzle = {(0, 0): cells(said)[1, 1], **walk(orca, WALK, (0, 0))}

    orca.after("Tab", has(r"Oplossing laten zien"), "Tab to the reveal box")
    before = orca.spoken()[made:]
    said, _ = orca.after("space", has(r"Oplossing: "), "the reveal")
    word = next(re.search(r"Oplossing: (\w+)", line).group(1) for line in said if "Oplossing: " in line)
    said, _ = orca.after("shift+Tab", has(r"rij 3, kolom 3"), "back to the board")
    solution = {(2, 2): cells(said)[3, 3], **walk(orca, BACK, (2, 2))}
    check_board(before, puzzle, solution, word)
    said, _ = orca.after("ctrl+n", has(r"^notification .*\bverborgen\b"), "Plaatsen after the reveal")
    if has(word)(said):
        sys.exit(f"FAIL: the next puzzle told the last word: {said}")

    orca.after("shift+Tab", has(r"Woorden"), "shift+Tab onto the list")
    orca.after("End", has(re.escape(last_word)), "End of the list")
    said, took = orca.after("KP_Enter", has(re.escape(last_word)), "where am I")
    if took > 2 or not has(r"^list item\b")(said):
        sys.exit(f"FAIL: where-am-I took {took:.1f} s and said {said}")
    # Orca says it enters flat review before it reviews the window.
    said, took = orca.after("KP_Subtract", lambda said: any("Entering flat review" in line for line in said[:-1]),
                            "flat review")
    if took > 2:
        sys.exit(f"FAIL: flat review took {took:.1f} s")
    orca.after("KP_Subtract", has(r"flat review"), "leaving flat review")
    orca.after("Insert+KP_Enter", has(r"^Kringwoord \("), "the title")


def check_board(before, puzzle, solution, word):
    letters = {place: letter for place, (letter, number) in puzzle.items()}
    if sorted(letters) != [(r, c) for r in range(3) for c in range(3)] or letters[1, 1] != "paard":
        sys.exit(f"FAIL: the board before the reveal: {puzzle}")
    # Before the reveal, the only numbers are the board's rows and columns.
    told = [line for line in before
            if word in line or re.search(r"\d", CELL.sub("", line).replace("3 rows 3 columns", ""))]
    if told or any(number for letter, number in puzzle.values()):
        sys.exit(f"FAIL: a number or the word {word} before the reveal: {told} {puzzle}")
    if {place: letter for place, (letter, number) in solution.items()} != letters:
        sys.exit(f"FAIL: the letters changed with the reveal: {puzzle} then {solution}")
    order = sorted((int(number), letter) for place, (letter, number) in solution.items() if place != (1, 1))
    if [n for n, _ in order] != list(range(1, 9)) or "".join(l for _, l in order) != word:
        sys.exit(f"FAIL: the numbered cells {order} do not spell {word}")


if __name__ == "__main__":
    main()
