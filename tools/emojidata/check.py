#!/usr/bin/env python3
"""Checks the committed emoji data in resources/.

Always: the catalogue's shape and counts, the rules the program relies on
when it combines the preset lists (formats, names, no repeated shortcut in
any configuration), and the format of the words in other languages. Where
CLDR is installed it regenerates those words from the committed catalogue
and compares them byte for byte. With --gemoji and --emojibase (the same
inputs as generate.py) it also regenerates everything twice into temporary
folders and compares both runs byte for byte with the committed files.
"""

import argparse
import collections
import filecmp
import itertools
import json
import os
import re
import sys
import tempfile

sys.dont_write_bytecode = True

import generate  # noqa: E402
import localwords  # noqa: E402

CATEGORY_COUNTS = {
    "Smileys & Emotion": 166,
    "People & Body": 363,
    "Animals & Nature": 152,
    "Food & Drink": 133,
    "Travel & Places": 218,
    "Activities": 85,
    "Objects": 261,
    "Symbols": 223,
    "Flags": 269,
}
RECORD_KEYS = ["emoji", "description", "category", "aliases", "tags"]
APPEARANCES = ("person", "female", "male")
LISTS = ("common",) + APPEARANCES + ("family",)

ZWJ = "\u200d"
FEMALE_SIGN = "\u2640\ufe0f"
MALE_SIGN = "\u2642\ufe0f"

# The program's family choices: members by letter, joined by ZWJ; "nnn" is
# the single family emoji.
FAMILY_LETTERS = {"m": "\U0001F468", "w": "\U0001F469", "g": "\U0001F467", "b": "\U0001F466"}
FAMILY_CASES = [
    "wg", "mg", "mwg", "wwg", "mmg", "wb", "mb", "mwb", "wwb", "mmb",
    "wgg", "mgg", "mwgg", "wwgg", "mmgg", "wgb", "mgb", "mwgb", "wwgb", "mmgb",
    "wbb", "mbb", "mwbb", "wwbb", "mmbb",
]

# Forms that must share one name across person, female and male.
SHARED = [
    ("\U0001F64B", "\U0001F64B\u200d\u2640\ufe0f", "\U0001F64B\u200d\u2642\ufe0f"),  # raising hand
    ("\U0001F9D1\u200d\u2695\ufe0f", "\U0001F469\u200d\u2695\ufe0f", "\U0001F468\u200d\u2695\ufe0f"),  # health worker
    ("\U0001F9D1", "\U0001F469", "\U0001F468"),  # person, woman, man
    ("\U0001F9D2", "\U0001F467", "\U0001F466"),  # child, girl, boy
    ("\U0001F9D3", "\U0001F475", "\U0001F474"),  # older person, old woman, old man
    ("\U0001FAC5", "\U0001F478", "\U0001F934"),  # person with crown, princess, prince
    ("\U0001F9D1\u200d\U0001F384", "\U0001F936", "\U0001F385"),  # mx, mrs., santa claus
    ("\U0001FAC4", "\U0001F930", "\U0001FAC3"),  # pregnant person, woman, man
]
REQUIRED_COMMON = {"thumbsup": "\U0001F44D", "heart": "\u2764\ufe0f", "joy": "\U0001F602", "fire": "\U0001F525"}
DANCE = {"person": "\U0001F57A", "female": "\U0001F483", "male": "\U0001F57A"}


class Checker:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, ok, what):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL: {what}")
        return ok


def read_list(path):
    """Lines as the program reads them, plus format complaints."""
    with open(path, "rb") as f:
        raw = f.read()
    problems = []
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        return [], [f"not UTF-8: {e}"]
    if not text.endswith("\n"):
        problems.append("no final line feed")
    if "\r" in text:
        problems.append("carriage return")
    entries = []
    for number, line in enumerate(text.split("\n")[:-1], 1):
        fields = line.split(",")
        if len(fields) != 2:
            problems.append(f"line {number} would be skipped: {line!r}")
            continue
        entries.append((fields[0], fields[1]))
    return entries, problems


def check_catalogue(c, path):
    with open(path, encoding="utf-8") as f:
        records = json.load(f)
    if not c.check(isinstance(records, list), "emojis.json is an array"):
        return []
    c.check(len(records) == 1870, f"1870 records, found {len(records)}")
    for r in records:
        if not c.check(isinstance(r, dict) and list(r) == RECORD_KEYS,
                       f"record keys are exactly {RECORD_KEYS}: {r}"):
            continue
        c.check(all(isinstance(r[k], str) and r[k] for k in ("emoji", "description", "category")),
                f"emoji, description, category are non-empty strings: {r}")
        for k in ("aliases", "tags"):
            c.check(isinstance(r[k], list) and r[k] and all(isinstance(x, str) and x for x in r[k]),
                    f"{k} is a non-empty list of strings: {r['emoji']}")
        c.check(len({t.casefold() for t in r["tags"]}) == len(r["tags"]), f"tags repeat: {r['emoji']}")
        c.check(not any(0x1F3FB <= ord(ch) <= 0x1F3FF for ch in r["emoji"]),
                f"no skin-tone form: {r['emoji']}")
    records = [r for r in records if isinstance(r, dict) and list(r) == RECORD_KEYS]
    counts = collections.Counter(r["category"] for r in records)
    c.check(dict(counts) == CATEGORY_COUNTS, f"category counts {dict(counts)}")
    # Each category is one run, in the group order of the picker's tabs.
    runs = [k for k, _ in itertools.groupby(r["category"] for r in records)]
    c.check(runs == list(CATEGORY_COUNTS), f"categories in one run each, in order: {runs}")
    emoji = [r["emoji"] for r in records]
    c.check(len(set(emoji)) == len(emoji), "no emoji twice in the catalogue")
    return records


def check_lists(c, resources, records):
    catalogue = {r["emoji"] for r in records}
    lists = {}
    for name in LISTS:
        entries, problems = read_list(os.path.join(resources, name + ".csv"))
        c.check(not problems, f"{name}.csv format: {problems[:5]}")
        c.check(entries, f"{name}.csv has entries")
        for emoji, n in entries:
            c.check(re.fullmatch(r"[a-z0-9]{1,16}", n), f"{name}.csv: bad name {n!r}")
            c.check(emoji in catalogue, f"{name}.csv: {emoji} {n} is not in the catalogue")
        emojis = [e for e, _ in entries]
        c.check(len(set(emojis)) == len(emojis), f"{name}.csv: an emoji twice")
        lists[name] = entries

    names = {k: [n for _, n in v] for k, v in lists.items()}
    maps = {k: dict((n, e) for e, n in v) for k, v in lists.items()}

    # The program refuses a configuration whose shortcuts repeat, with or
    # without a family.
    for a in APPEARANCES:
        for with_family in (False, True):
            texts = ["/" + n.lower() for n in names["common"] + names[a]
                     + (names["family"] if with_family else [])]
            dup = sorted(t for t, k in collections.Counter(texts).items() if k > 1)
            c.check(not dup, f"common + {a}{' + family' if with_family else ''} repeats {dup[:10]}")

    c.check(names["person"] == names["female"] == names["male"],
            "person, female and male have the same names in the same order")
    for a in APPEARANCES:
        c.check(maps[a].get("dance") == DANCE[a], f"/dance is {DANCE[a]} in {a}")
        c.check("raisinghand" in maps[a], f"/raisinghand in {a}")
    c.check("family" in maps["family"], "/family in family")
    for n, e in REQUIRED_COMMON.items():
        c.check(maps["common"].get(n) == e, f"/{n} is {e} in common")
    for triple in SHARED:
        got = [dict(lists[a]).get(e) for a, e in zip(APPEARANCES, triple)]
        c.check(got[0] and got[0] == got[1] == got[2], f"{triple} share one name: {got}")
    c.check(dict(lists["person"]).get(SHARED[0][0]) == "raisinghand", "raising hand is /raisinghand")

    # Every emoji is installable in each appearance: in common, or in the
    # appearance lists, never both.
    common = {e for e, _ in lists["common"]}
    appearance = {e for a in APPEARANCES for e, _ in lists[a]}
    c.check(not common & appearance, f"in common and an appearance list: {sorted(common & appearance)[:10]}")
    c.check(common | appearance == catalogue,
            f"in no list: {sorted(catalogue - common - appearance)[:10]}")
    gendered = [e for e in common if e.endswith(ZWJ + FEMALE_SIGN) or e.endswith(ZWJ + MALE_SIGN)]
    c.check(not gendered, f"woman/man forms left in common: {gendered[:10]}")

    families = [ZWJ.join(FAMILY_LETTERS[l] for l in case) for case in FAMILY_CASES] + ["\U0001F46A"]
    c.check(all(f in catalogue for f in families), "every family choice is a catalogue emoji")
    return lists


# Languages the interface is translated into: their words must ship.
INTERFACE_LANGUAGES = ("de", "fr", "es", "it", "pt", "ru", "ja", "zh")


def check_words(c, resources, records):
    order = {r["emoji"]: i for i, r in enumerate(records)}
    files = localwords.files_under(resources)
    shipped = {os.path.basename(f)[:-len(localwords.EXTENSION)] for f in files}
    c.check(not set(INTERFACE_LANGUAGES) - shipped,
            f"words of the interface's languages ship: missing {set(INTERFACE_LANGUAGES) - shipped}")
    for rel in files:
        with open(os.path.join(resources, rel), "rb") as f:
            raw = f.read()
        try:
            lines = raw.decode("utf-8").split("\n")
        except UnicodeDecodeError as e:
            c.check(False, f"{rel} is UTF-8: {e}")
            continue
        c.check(lines[-1] == "" and "\r" not in raw.decode("utf-8"), f"{rel}: lines end in a line feed")
        last, problems = -1, []
        for number, line in enumerate(lines[:-1], 1):
            fields = line.split("\t")
            if len(fields) != 3:
                problems.append(f"line {number}: {len(fields)} fields")
                continue
            emoji, name, keywords = fields
            index = order.get(emoji)
            if index is None or index <= last:
                problems.append(f"line {number}: {emoji} not in catalogue order")
            last = index if index is not None else last
            words = keywords.split("|") if keywords else []
            folded = [w.casefold() for w in words]
            if not name.strip() or name != name.strip() or any(not w or w != w.strip() for w in words):
                problems.append(f"line {number}: an empty or padded word")
            if len(set(folded)) != len(folded) or name.casefold() in folded:
                problems.append(f"line {number}: a keyword twice, or the name as a keyword")
        c.check(not problems, f"{rel}: {problems[:5]}")
        c.check(len(lines) - 1 >= localwords.MIN_COVERAGE * len(records),
                f"{rel} names at least {localwords.MIN_COVERAGE:.0%} of the catalogue")
    return files


def regenerate_words(c, resources, cldr, records):
    """The words from the committed catalogue and the installed CLDR."""
    with tempfile.TemporaryDirectory(prefix="emojidata-words-") as tmp:
        languages = localwords.build(cldr, [r["emoji"] for r in records])
        localwords.write_all(tmp, languages, generate.write)
        fresh, committed = localwords.files_under(tmp), localwords.files_under(resources)
        c.check(fresh == committed, f"the same languages as CLDR gives: only committed "
                f"{sorted(set(committed) - set(fresh))}, only fresh {sorted(set(fresh) - set(committed))}")
        for rel in set(fresh) & set(committed):
            c.check(filecmp.cmp(os.path.join(resources, rel), os.path.join(tmp, rel), shallow=False),
                    f"{rel} differs from what CLDR gives")


def regenerate(c, resources, argv):
    with tempfile.TemporaryDirectory(prefix="emojidata-") as tmp:
        runs = [os.path.join(tmp, "run1"), os.path.join(tmp, "run2")]
        for i, out in enumerate(runs, 1):
            if generate.main(argv + ["--out", out]) != 0:
                c.check(False, f"generator run {i} failed")
                return
        for rel in files_under(resources):
            for i, out in enumerate(runs, 1):
                fresh = os.path.join(out, rel)
                c.check(os.path.exists(fresh)
                        and filecmp.cmp(os.path.join(resources, rel), fresh, shallow=False),
                        f"run {i}: {rel} differs from the committed file")
        for i, out in enumerate(runs, 1):
            extra = sorted(set(files_under(out)) - set(files_under(resources)))
            c.check(not extra, f"run {i} wrote files that are not committed: {extra}")


def files_under(resources):
    """The generated files that exist in a folder."""
    out = [f"{n}.csv" for n in LISTS] + ["emojis.json"] + localwords.files_under(resources)
    lic = os.path.join(resources, "LICENSES")
    if os.path.isdir(lic):
        out += [os.path.join("LICENSES", n) for n in sorted(os.listdir(lic))]
    return [f for f in out if os.path.exists(os.path.join(resources, f))]


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--resources", default=generate.DEFAULT_OUT, help="folder to check (default: resources/)")
    p.add_argument("--gemoji", help="unpacked gemoji package; with --emojibase, also regenerate")
    p.add_argument("--emojibase", help="unpacked emojibase-data package")
    p.add_argument("--emoji-test", default=generate.DEFAULT_EMOJI_TEST)
    p.add_argument("--cldr", default=generate.DEFAULT_CLDR)
    args = p.parse_args()

    c = Checker()
    records = check_catalogue(c, os.path.join(args.resources, "emojis.json"))
    lists = check_lists(c, args.resources, records)
    languages = check_words(c, args.resources, records)
    for name in ("unicode-data.txt", "unicode-cldr.txt", "gemoji.txt", "emojibase.txt", "README"):
        c.check(os.path.getsize(os.path.join(args.resources, "LICENSES", name)) > 0
                if os.path.exists(os.path.join(args.resources, "LICENSES", name)) else False,
                f"LICENSES/{name} present")

    if args.gemoji and args.emojibase:
        regenerate(c, args.resources, ["--gemoji", args.gemoji, "--emojibase", args.emojibase,
                                       "--emoji-test", args.emoji_test, "--cldr", args.cldr])
    else:
        print("regeneration skipped: pass --gemoji and --emojibase to compare with fresh output")
        if os.path.isdir(os.path.join(args.cldr, "common", "annotations")):
            regenerate_words(c, args.resources, args.cldr, records)
        else:
            print(f"words not regenerated: no CLDR in {args.cldr} (Debian unicode-cldr-core)")

    print(", ".join(f"{n} {len(v)}" for n, v in lists.items()) + f", {len(languages)} languages")
    print(f"check: {c.passed} passed, {c.failed} failed")
    return 1 if c.failed else 0


if __name__ == "__main__":
    sys.exit(main())
