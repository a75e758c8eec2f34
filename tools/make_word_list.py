#!/usr/bin/python3
"""Makes Data/Woorden.txt, the game's word list, from Debian's OpenTaal lists.

Sources:
  /usr/share/hunspell/nl.dic  (package hunspell-nl): the spelling dictionary's
                              own entries, stems before the "/".
  /usr/share/dict/dutch       (package wdutch): every accepted form, inflections
                              included.

A word qualifies when it is written in lower case in the source (so no proper
nouns or abbreviations), holds only letters (no hyphen, apostrophe, digit or
dot), has eight letters in capitals with "IJ" counted as one, fits in
Windows-1252 (the ligature "ĳ" does not), and has a vowel. Entries the
dictionary marks as never to be suggested (misspellings, slurs, forms with
accents for emphasis) are left out.

Words a player knows come first: the dictionary entries that wdutch also lists.
Other wdutch forms fill the list up to WORD_COUNT, picked by the lowest SHA-256
of the word so that every run picks the same ones. The file holds the entries
sorted, then the fill sorted, in Windows-1252 with CR LF after every line.

Run it again after the packages change:  /usr/bin/python3 tools/make_word_list.py
"""

import argparse
import hashlib
import pathlib
import sys
import unicodedata

WORD_COUNT = 18000
LETTERS = 8
HUNSPELL_DIC = pathlib.Path("/usr/share/hunspell/nl.dic")
WORDS = pathlib.Path("/usr/share/dict/dutch")
OUTPUT = pathlib.Path(__file__).resolve().parent.parent / "Data" / "Woorden.txt"
# hunspell-nl's nl.aff: FORBIDDENWORD Fw, NOSUGGEST NS; flags come in pairs (FLAG long).
EXCLUDING_FLAGS = {"Fw", "NS"}
VOWELS = set("AEIOUY")


def game_word(word):
    """The word as the game lists it, or None when it does not qualify."""
    if not word or word != word.lower() or not word.isalpha():
        return None
    upper = word.upper()
    if len(upper) - upper.count("IJ") != LETTERS or "?" in upper:
        return None
    try:
        upper.encode("cp1252")
    except UnicodeEncodeError:
        return None
    base_letters = unicodedata.normalize("NFD", upper)
    if not any(letter in VOWELS for letter in base_letters):
        return None
    return upper


def read_dictionary(path):
    """The dictionary's entries, and those it marks as never to be suggested."""
    entries, excluded = set(), set()
    with open(path, encoding="utf-8") as lines:
        next(lines)  # the entry count
        for line in lines:
            fields = line.rstrip("\n").split(maxsplit=1)
            if not fields:
                continue
            stem, _, flags = fields[0].partition("/")
            entries.add(stem)
            if EXCLUDING_FLAGS & {flags[i : i + 2] for i in range(0, len(flags), 2)}:
                excluded.add(stem)
    return entries, excluded


def read_words(path):
    with open(path, encoding="utf-8") as lines:
        return {line.rstrip("\n") for line in lines}


def qualifying(words, excluded):
    return {game_word(w) for w in words if w not in excluded} - {None}


def make_word_list(dictionary_path=HUNSPELL_DIC, words_path=WORDS):
    entries, excluded = read_dictionary(dictionary_path)
    words = read_words(words_path)
    known = qualifying(entries & words, excluded)
    if len(known) >= WORD_COUNT:
        sys.exit(f"{len(known)} dictionary entries qualify, more than {WORD_COUNT}")
    others = qualifying(words, excluded) - known
    fill = sorted(others, key=lambda w: (hashlib.sha256(w.encode("utf-8")).digest(), w))
    fill = fill[: WORD_COUNT - len(known)]
    if len(known) + len(fill) != WORD_COUNT:
        sys.exit(f"only {len(known) + len(fill)} words qualify, {WORD_COUNT} wanted")
    return sorted(known) + sorted(fill)


def encode(words):
    return b"".join(w.encode("cp1252") + b"\r\n" for w in words)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--dictionary", type=pathlib.Path, default=HUNSPELL_DIC)
    parser.add_argument("--words", type=pathlib.Path, default=WORDS)
    parser.add_argument("--output", type=pathlib.Path, default=OUTPUT)
    args = parser.parse_args()
    for source, package in ((args.dictionary, "hunspell-nl"), (args.words, "wdutch")):
        if not source.is_file():
            sys.exit(f"{source} is missing: install the Debian package {package}")
    args.output.write_bytes(encode(make_word_list(args.dictionary, args.words)))


if __name__ == "__main__":
    main()
