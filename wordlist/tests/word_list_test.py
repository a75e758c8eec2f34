#!/usr/bin/python3
"""Checks the shipped word list.

  word_list_test.py rules WORD_FILE
      the file keeps every rule the game and tools/make_word_list.py promise
  word_list_test.py regenerates WORD_FILE MAKE_SCRIPT
      running the script again gives the same file, byte for byte

Exit status 0: passed; 1: failed, with the reasons; 77: skipped because the
Debian packages the list is made from are not installed.
"""

import pathlib
import subprocess
import sys
import tempfile
import unicodedata

WORD_COUNT = 18000
SKIPPED = 77
SOURCES = {
    "/usr/share/hunspell/nl.dic": "hunspell-nl",
    "/usr/share/dict/dutch": "wdutch",
}


def rule_failures(data):
    if not data.endswith(b"\r\n"):
        yield "the last line has no CR LF"
    lines = data.split(b"\r\n")[:-1]
    for number, line in enumerate(lines, 1):
        if b"\r" in line or b"\n" in line:
            yield f"line {number}: CR or LF outside a CR LF pair"
    try:
        words = [line.decode("cp1252") for line in lines]
    except UnicodeDecodeError as error:
        yield f"not Windows-1252: {error}"
        return
    if len(words) != WORD_COUNT:
        yield f"{len(words)} words, not {WORD_COUNT}"
    if len(set(words)) != len(words):
        yield f"{len(words) - len(set(words))} words appear twice"
    for number, word in enumerate(words, 1):
        letters = len(word) - word.count("IJ")
        problems = [
            (not word.isalpha(), "holds something other than letters"),
            (word != word.upper(), "is not in capitals"),
            (letters != 8, f"has {letters} letters with IJ counted as one"),
            ("?" in word, 'holds a "?"'),
            (not set(unicodedata.normalize("NFD", word.upper())) & set("AEIOUY"), "has no vowel"),
        ]
        for failed, problem in problems:
            if failed:
                yield f"line {number}: {word!r} {problem}"
    # The dictionary's entries sorted, then the fill sorted: at most one step down.
    descents = sum(1 for a, b in zip(words, words[1:]) if b < a)
    if descents > 1:
        yield f"not two sorted runs: {descents} steps down"


def check_rules(word_file):
    failures = list(rule_failures(pathlib.Path(word_file).read_bytes()))
    for failure in failures[:50]:
        print(failure)
    if len(failures) > 50:
        print(f"... and {len(failures) - 50} more")
    return 1 if failures else 0


def check_regenerates(word_file, make_script):
    missing = [f"{path} ({package})" for path, package in SOURCES.items() if not pathlib.Path(path).is_file()]
    if missing:
        print("skipped: the word list's sources are not installed:", ", ".join(missing))
        return SKIPPED
    with tempfile.TemporaryDirectory(prefix="kring-wordlist-") as folder:
        fresh = pathlib.Path(folder) / "Woorden.txt"
        subprocess.run([sys.executable, make_script, "--output", str(fresh)], check=True)
        made, shipped = fresh.read_bytes(), pathlib.Path(word_file).read_bytes()
    if made == shipped:
        return 0
    made_lines, shipped_lines = made.split(b"\r\n"), shipped.split(b"\r\n")
    for number, (a, b) in enumerate(zip(made_lines, shipped_lines), 1):
        if a != b:
            print(f"line {number}: the script makes {a!r}, the shipped file has {b!r}")
            break
    else:
        print(f"the script makes {len(made_lines)} lines, the shipped file has {len(shipped_lines)}")
    return 1


def main(argv):
    if len(argv) == 3 and argv[1] == "rules":
        return check_rules(argv[2])
    if len(argv) == 4 and argv[1] == "regenerates":
        return check_regenerates(argv[2], argv[3])
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
