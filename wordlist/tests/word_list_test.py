#!/usr/bin/python3
"""Checks the shipped word list and the tool that makes it.

  word_list_test.py rules WORD_FILE
      18,000 different words of eight capitals, "IJ" counted as one, in
      Windows-1252 with CR LF after each
  word_list_test.py choice MAKE_SCRIPT
      the tool's choice on a made-up pool and made-up frequencies
  word_list_test.py regenerates WORD_FILE MAKE_SCRIPT [FREQUENCY_DIR...]
      tools/make_word_list.py makes the same file again, byte for byte, from
      wordfreq's files in the first of the folders (then ~/.cache/kringwoord/
      wordfreq) that holds them; exit status 77 (skipped) when none does or
      the Debian packages it reads are not installed
"""

import importlib.util
import pathlib
import shutil
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


def load(make_script):
    found = importlib.util.spec_from_file_location("make_word_list", make_script)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


# Zipf frequencies; INHAKEN is what hunspell's stem INHAAK of INHAAKTE becomes.
DUTCH = {"fietsers": 4.0, "kaasboer": 2.0, "hoephout": 1.0, "inhaken": 2.5, "zwoeg": 1.5, "klootzak": 6.0,
         "teachers": 2.6, "populist": 2.3}
ENGLISH = {"teachers": 4.7, "populist": 4.0}
ANALYSES = {"inhaakte": [("inhaak", "VBh1", [])], "zwoegden": [("zwoeg", "VBh", [])]}
DICTIONARY = set(DUTCH) | set(ANALYSES) | {"inhaak", "populisten", "zoemtoon"}
CHOICES = [
    # what, pool, words taken, words left out, chosen, how many of them unrecorded
    ("a frequent word beats a rare one", ["kaasboer", "fietsers"], 1, set(), ["FIETSERS"], 0),
    ("an unrecorded inflection ranks by its base form", ["zwoegden", "inhaakte", "zoemtoon"], 1, set(),
     ["INHAAKTE"], 1),
    ("a recorded word comes before an unrecorded one", ["inhaakte", "hoephout"], 1, set(), ["HOEPHOUT"], 0),
    ("an excluded word never appears", ["klootzak", "kaasboer"], 1, {"KLOOTZAK"}, ["KAASBOER"], 0),
    ("an English word goes", ["teachers", "kaasboer"], 1, set(), ["KAASBOER"], 0),
    ("a Dutch inflection keeps a word English uses more", ["populist", "kaasboer"], 1, set(), ["POPULIST"], 0),
]


def choice_failures(make_script):
    tool = load(make_script)
    for what, pool, count, excluded, chosen, unrecorded in CHOICES:
        got = tool.choose_words(pool, DUTCH, ENGLISH, ANALYSES, DICTIONARY, excluded, count)
        if got != (chosen, unrecorded):
            yield f"{what}: chose {got}, not {(chosen, unrecorded)}"


def regenerates(word_file, make_script, folders):
    frequency_files = load(make_script).FREQUENCY_FILES
    folders = [pathlib.Path(f) for f in folders if f] + [pathlib.Path.home() / ".cache/kringwoord/wordfreq"]
    found = [f for f in folders if all((f / name).is_file() for name in frequency_files)]
    if not found:
        wanted = " and ".join(f"{name} (sha256 {sha})" for name, sha in frequency_files.items())
        print(f"skipped: put wordfreq 3.2's {wanted}, from github.com/rspeer/wordfreq at commit 912caf6, "
              f"wordfreq/data/, in one of {', '.join(map(str, folders))}")
        return 77
    sources = ["/usr/share/hunspell/nl.dic", "/usr/share/dict/dutch"]
    if not all(pathlib.Path(path).is_file() for path in sources) or not shutil.which("hunspell"):
        print("skipped: hunspell-nl, wdutch or hunspell is not installed (scripts/setup test)")
        return 77
    with tempfile.TemporaryDirectory() as folder:
        fresh = pathlib.Path(folder) / "Woorden.txt"
        subprocess.run([sys.executable, make_script, "--frequencies", str(found[0]), "--output", str(fresh)],
                       check=True)
        if fresh.read_bytes() == pathlib.Path(word_file).read_bytes():
            return 0
    print("tools/make_word_list.py makes another file")
    return 1


def main(argv):
    if len(argv) == 3 and argv[1] in ("rules", "choice"):
        check = rule_failures(pathlib.Path(argv[2]).read_bytes()) if argv[1] == "rules" else choice_failures(argv[2])
        failures = list(check)
        print("\n".join(failures[:50]))
        return 1 if failures else 0
    if len(argv) >= 4 and argv[1] == "regenerates":
        return regenerates(argv[2], argv[3], argv[4:])
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
