#!/usr/bin/python3
"""Checks the shipped word list.

  word_list_test.py rules WORD_FILE
      18,000 different words of eight capitals, "IJ" counted as one, in
      Windows-1252 with CR LF after each
  word_list_test.py regenerates WORD_FILE MAKE_SCRIPT
      tools/make_word_list.py makes the same file again, byte for byte; exit
      status 77 (skipped) when the Debian packages it reads are not installed
"""

import pathlib
import subprocess
import sys
import tempfile


def rule_failures(data):
    lines = data.split(b"\r\n")
    if lines.pop() != b"":
        yield "the last line has no CR LF"
    words = [line.decode("cp1252") for line in lines]
    if len(words) != 18000 or len(set(words)) != len(words):
        yield f"{len(words)} words, {len(set(words))} of them different"
    for number, word in enumerate(words, 1):
        if not word.isalpha() or word != word.upper() or len(word) - word.count("IJ") != 8:
            yield f"line {number}: {word!r} is not eight capitals"


def regenerates(word_file, make_script):
    sources = ["/usr/share/hunspell/nl.dic", "/usr/share/dict/dutch"]
    if not all(pathlib.Path(path).is_file() for path in sources):
        print("skipped: hunspell-nl or wdutch is not installed")
        return 77
    with tempfile.TemporaryDirectory() as folder:
        fresh = pathlib.Path(folder) / "Woorden.txt"
        subprocess.run([sys.executable, make_script, "--output", str(fresh)], check=True)
        if fresh.read_bytes() == pathlib.Path(word_file).read_bytes():
            return 0
    print("tools/make_word_list.py makes another file")
    return 1


def main(argv):
    if len(argv) == 3 and argv[1] == "rules":
        failures = list(rule_failures(pathlib.Path(argv[2]).read_bytes()))
        print("\n".join(failures[:50]))
        return 1 if failures else 0
    if len(argv) == 4 and argv[1] == "regenerates":
        return regenerates(argv[2], argv[3])
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
