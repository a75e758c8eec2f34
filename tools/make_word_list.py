#!/usr/bin/python3
"""Makes Data/Woorden.txt, the game's word list: the eight-letter words Dutch speakers use most.

Sources:
  /usr/share/dict/dutch        (package wdutch): every form OpenTaal accepts,
                               inflections included.
  /usr/share/hunspell/nl.dic   (package hunspell-nl): the entries it marks as
                               never to be suggested, and, through the command
                               hunspell (package hunspell), each word's base
                               form or the parts of a compound.
  FREQUENCIES/large_nl.msgpack.gz and large_en.msgpack.gz: how often words
                               are used in Dutch and in English, from
                               wordfreq 3.2 (see FREQUENCY_FILES).
  tools/excluded_words.txt     words left out: vulgar words, slurs and abuse,
                               and first names.

A word qualifies when it is written in lower case in wdutch (so no proper
nouns or abbreviations), holds only letters (no hyphen, apostrophe, digit or
dot), has eight letters in capitals with "IJ" counted as one, fits in
Windows-1252 (the ligature "ĳ" does not), has a vowel, and is not marked as
never to be suggested (misspellings, slurs). A word whose acute or grave
accents only stress it (ALLEMÁÁL, ÉÉNZIJDIG, VÓÓRKOMT) goes too, when wdutch
also writes it without them.

Left out as well: the words of tools/excluded_words.txt, and English words,
those used at least ENGLISH_MARGIN higher on the Zipf scale in English than in
Dutch, unless wdutch also holds a Dutch inflection of them (POPULIST stays,
for POPULISTEN).

Of the rest, the WORD_COUNT best known are taken. Words with a Dutch
frequency rank by it; after them come the words wordfreq does not record,
ranked by their best-known relative: the base form of an inflection
(hunspell's stem, and for a verb its infinitive: INHAKEN for INHAAKTE), or
the less used part of a compound of two known words (DEEL and LIJST for
DEELLIJST). Ties go to the lowest SHA-256 of the word, so that every run
picks the same ones. The file holds the words sorted, in Windows-1252 with
CR LF after every line.

Run it again after the packages change:
  /usr/bin/python3 tools/make_word_list.py --frequencies DIR
"""

import argparse
import gzip
import hashlib
import math
import os
import pathlib
import re
import shutil
import subprocess
import sys
import unicodedata

import msgpack  # package python3-msgpack

WORD_COUNT = 18000
LETTERS = 8
HUNSPELL_DIC = pathlib.Path("/usr/share/hunspell/nl.dic")
WORDS = pathlib.Path("/usr/share/dict/dutch")
HERE = pathlib.Path(__file__).resolve().parent
EXCLUDED = HERE / "excluded_words.txt"
OUTPUT = HERE.parent / "Data" / "Woorden.txt"
# hunspell-nl's nl.aff: FORBIDDENWORD Fw, NOSUGGEST NS; flags come in pairs (FLAG long).
EXCLUDING_FLAGS = {"Fw", "NS"}
VOWELS = set("AEIOUY")
# wordfreq 3.2 (github.com/rspeer/wordfreq, commit 912caf6), wordfreq/data/.
FREQUENCY_FILES = {
    "large_nl.msgpack.gz": "cfdae01b2ccd5bc94be046645b6ba8682e65d6709beedf6ab98d7bdc5414d671",
    "large_en.msgpack.gz": "dffae8066b78dce0a6667cf5f58e567054f902674667090a7ac8a8a44628b05c",
}
ENGLISH_MARGIN = 1.5
# Endings that make a Dutch form of a word and no English one.
DUTCH_ENDINGS = ("e", "en", "de", "den", "te", "ten", "ische")
SHORTEST_PART = 3
# Zipf steps from a relative down to the word itself, the medians over the
# words of the pool that wordfreq records: an inflection is used about ten
# times less than its base form, a compound about 75 times less than the less
# used of its parts.
BELOW_BASE_FORM = 1.0
BELOW_WEAKER_PART = 1.87


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


def stressed_only(word, dictionary):
    """Whether the word's acute and grave accents are there for emphasis: the
    dictionary holds the same word without them (allemaal for allemáál)."""
    plain = "".join(c for c in unicodedata.normalize("NFD", word) if c not in "\u0300\u0301")
    plain = unicodedata.normalize("NFC", plain)
    return plain != word and plain in dictionary


def infinitives(stem):
    """What the infinitive of a verb with this stem may be: werk gives werken,
    haak haken, zet zetten, leef leven, reis reizen."""
    forms = {stem + "en"}
    long_vowel = re.fullmatch(r"(.*)(aa|ee|oo|uu)([^aeiou])", stem)
    if long_vowel:
        forms.add(long_vowel[1] + long_vowel[2][0] + long_vowel[3] + "en")
    short_vowel = re.fullmatch(r".*[^aeiou][aeiou]([bdfgklmnprst])", stem)
    if short_vowel:
        forms.add(stem + short_vowel[1] + "en")
    voiced = {form[:-3] + {"f": "v", "s": "z"}[form[-3]] + "en" for form in forms if form[-3] in "fs"}
    return forms | voiced


def base_forms(word, analyses, dictionary):
    """The base forms hunspell gives for an inflection, with, for a verb, its
    infinitive: INHAAK and INHAKEN for INHAAKTE."""
    forms = []
    for stem, tag, parts in analyses.get(word, ()):
        if stem != word and len(parts) < 2:
            forms.append(stem)
            if tag.startswith("VB"):
                forms += [form for form in sorted(infinitives(stem)) if form in dictionary]
    return [[form] for form in forms]


def compound_parts(word, analyses, dictionary):
    """The parts of a compound: as hunspell splits it, and each way to cut it
    into two words of the dictionary, with or without a linking s between
    them (stad-s-weg)."""
    groups = [parts for _, _, parts in analyses.get(word, ()) if len(parts) > 1]
    for cut in range(SHORTEST_PART, len(word) - SHORTEST_PART + 1):
        first, second = word[:cut], word[cut:]
        if second not in dictionary:
            continue
        if first in dictionary:
            groups.append([first, second])
        if first.endswith("s") and len(first) > SHORTEST_PART and first[:-1] in dictionary:
            groups.append([first[:-1], second])
    return groups


def is_english(word, dutch, english, dictionary):
    if english.get(word, 0) - dutch.get(word, 0) < ENGLISH_MARGIN:
        return False
    return not any(word + ending in dictionary for ending in DUTCH_ENDINGS)


def choose_words(pool, dutch, english, analyses, dictionary, excluded, count=WORD_COUNT):
    """The count words of the pool that Dutch speakers know best, in capitals
    and sorted, and how many of them the Dutch frequencies do not record.

    pool: the qualifying words as wdutch writes them; dutch, english: Zipf
    frequency by word; analyses: hunspell's (stem, tag, compound parts) by
    word; dictionary: every form wdutch holds; excluded: words in capitals."""
    def estimate(groups, below, pick):
        """The Zipf frequency a word may have, from the frequencies of its
        relatives: the best-known base form, or a compound's least used part
        however it is cut."""
        relative = pick((min(dutch.get(w, 0) for w in group) for group in groups), default=0)
        return relative - below if relative else None

    def known_through(word):
        for estimated in (estimate(base_forms(word, analyses, dictionary), BELOW_BASE_FORM, max),
                          estimate(compound_parts(word, analyses, dictionary), BELOW_WEAKER_PART, min)):
            if estimated is not None:
                return estimated
        return -math.inf

    def rank(word):
        standing = (0, -dutch[word]) if word in dutch else (1, -known_through(word))
        return standing, hashlib.sha256(game_word(word).encode("utf-8")).digest()

    candidates = [w for w in pool if game_word(w) not in excluded and not is_english(w, dutch, english, dictionary)]
    chosen = sorted(candidates, key=rank)[:count]
    if len(chosen) != count:
        sys.exit(f"only {len(chosen)} words qualify, {count} wanted")
    return sorted(game_word(w) for w in chosen), sum(w not in dutch for w in chosen)


def read_never_suggested(path):
    excluded = set()
    with open(path, encoding="utf-8") as lines:
        next(lines)  # the entry count
        for line in lines:
            fields = line.rstrip("\n").split(maxsplit=1)
            if not fields:
                continue
            stem, _, flags = fields[0].partition("/")
            if EXCLUDING_FLAGS & {flags[i : i + 2] for i in range(0, len(flags), 2)}:
                excluded.add(stem)
    return excluded


def read_lines(path):
    with open(path, encoding="utf-8") as lines:
        return {line.strip() for line in lines} - {""}


def read_zipf(path):
    """wordfreq's cBpack file: a header, then lists of words, list i holding
    those used 10^(-i/100) of the time, which is Zipf 9 - i/100."""
    with gzip.open(path, "rb") as packed:
        header, *buckets = msgpack.load(packed, raw=False)
    if header != {"format": "cB", "version": 1}:
        sys.exit(f"{path}: not a wordfreq cBpack file")
    return {word: round(9 - i / 100, 2) for i, bucket in enumerate(buckets) for word in bucket}


def read_frequencies(folder):
    """Dutch and English Zipf frequencies, from the files of FREQUENCY_FILES."""
    tables = []
    for name, sha256 in FREQUENCY_FILES.items():
        path = folder / name
        if not path.is_file() or hashlib.sha256(path.read_bytes()).hexdigest() != sha256:
            sys.exit(f"{path}: wanted wordfreq 3.2's {name} (github.com/rspeer/wordfreq, commit 912caf6, "
                     f"wordfreq/data/), sha256 {sha256}")
        tables.append(read_zipf(path))
    return tables


def analyse(words):
    """hunspell's analyses of each word: (stem, part-of-speech tag, compound parts)."""
    result = subprocess.run(
        ["hunspell", "-d", str(HUNSPELL_DIC.with_suffix("")), "-m", "-i", "utf-8"],
        input="\n".join(words) + "\n", capture_output=True, text=True, encoding="utf-8",
        env={**os.environ, "LC_ALL": "C.UTF-8"}, check=True)
    analyses, current, done = {}, [], 0
    for line in result.stdout.splitlines():
        if line:  # "word  st:stem ts:tag pa:part pa:part"
            fields = dict(field.split(":", 1) for field in line.split()[1:] if ":" in field)
            parts = [field[3:] for field in line.split()[1:] if field.startswith("pa:")]
            current.append((fields.get("st", ""), fields.get("ts", ""), parts))
        else:  # an empty line ends each word's analyses
            analyses[words[done]] = current
            current, done = [], done + 1
    if done != len(words):
        sys.exit(f"hunspell analysed {done} of {len(words)} words")
    return analyses


def encode(words):
    return b"".join(w.encode("cp1252") + b"\r\n" for w in words)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--frequencies", type=pathlib.Path, required=True,
                        help="the folder holding " + " and ".join(FREQUENCY_FILES))
    parser.add_argument("--output", type=pathlib.Path, default=OUTPUT)
    args = parser.parse_args()
    if not HUNSPELL_DIC.is_file() or not WORDS.is_file() or not shutil.which("hunspell"):
        sys.exit("install the Debian packages hunspell-nl, wdutch and hunspell (scripts/setup test)")
    dutch, english = read_frequencies(args.frequencies)
    dictionary = read_lines(WORDS)
    never_suggested = read_never_suggested(HUNSPELL_DIC)
    pool = sorted(w for w in dictionary - never_suggested if game_word(w) and not stressed_only(w, dictionary))
    excluded = {w for w in read_lines(EXCLUDED) if not w.startswith("#")}
    strays = excluded - {game_word(w) for w in pool}
    if strays:
        sys.exit(f"{EXCLUDED.name} lists words that do not qualify: {' '.join(sorted(strays))}")
    unrecorded = [w for w in pool if w not in dutch]
    words, outside = choose_words(pool, dutch, english, analyse(unrecorded), dictionary, excluded)
    args.output.write_bytes(encode(words))
    print(f"{len(words)} words; {outside} of them not in the Dutch frequencies, ranked by a relative")


if __name__ == "__main__":
    main()
