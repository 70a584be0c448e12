#!/usr/bin/env python3
"""Builds the emoji catalogue, the preset shortcut lists and the emoji's
words in other languages in resources/.

Inputs: Unicode's emoji-test.txt, the CLDR annotations, and the unpacked
npm packages gemoji 8.1.0 and emojibase-data. See README.md.
Standard library only, and the output depends on nothing but the inputs,
so running it twice gives byte-identical files.
"""

import argparse
import json
import os
import re
import sys
import xml.etree.ElementTree as ET

# A script folder, not a package: leave no __pycache__ beside it.
sys.dont_write_bytecode = True

import localwords  # noqa: E402
import names as presetnames  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "..", "resources"))

DEFAULT_EMOJI_TEST = "/usr/share/unicode/emoji/emoji-test.txt"
DEFAULT_CLDR = "/usr/share/unicode/cldr"
DEFAULT_UNICODE_COPYRIGHT = "/usr/share/doc/unicode-data/copyright"
DEFAULT_CLDR_COPYRIGHT = "/usr/share/doc/unicode-cldr-core/copyright"

GEMOJI_VERSION = "8.1.0"

SKIN_TONES = range(0x1F3FB, 0x1F400)
VS16 = "\ufe0f"

LIST_NAMES = ("common", "person", "female", "male", "family")


class InputError(Exception):
    pass


# --- readers -----------------------------------------------------------------

def read_emoji_test(path):
    """Fully-qualified emoji without skin-tone forms and without the
    Component group, in file order, as (emoji, name, group)."""
    records = []
    group = None
    line_re = re.compile(r"^([0-9A-F ]+);\s*([a-z-]+)\s*#\s*\S+\s+E\d+\.\d+\s+(.+)$")
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("# group:"):
                group = line[len("# group:"):].strip()
                continue
            if not line or line.startswith("#"):
                continue
            m = line_re.match(line)
            if not m:
                raise InputError(f"{path}: unexpected line: {line!r}")
            codes = [int(c, 16) for c in m.group(1).split()]
            if m.group(2) != "fully-qualified" or group == "Component":
                continue
            if any(c in SKIN_TONES for c in codes):
                continue
            records.append(("".join(map(chr, codes)), m.group(3).strip(), group))
    if not records:
        raise InputError(f"{path}: no emoji found")
    return records


def read_cldr_keywords(cldr_root):
    """Keywords by emoji with U+FE0F removed (CLDR keys carry none).
    The hand-written annotations win over the derived ones."""
    keywords = {}
    for sub in ("annotations", "annotationsDerived"):
        path = os.path.join(cldr_root, "common", sub, "en.xml")
        root = ET.parse(path).getroot()
        for node in root.iter("annotation"):
            if node.get("type") == "tts" or not node.text:
                continue
            cp = node.get("cp")
            if cp in keywords:
                continue
            keywords[cp] = [k.strip() for k in node.text.split("|") if k.strip()]
    return keywords


def _js_tokens(text):
    return re.findall(r"'(?:[^'\\]|\\.)*'|[A-Za-z_$][\w$]*|-?\d+(?:\.\d+)?|[\[\]{}:,]", text)


def _js_value(tokens, pos):
    tok = tokens[pos]
    if tok == "[":
        items, pos = [], pos + 1
        while tokens[pos] != "]":
            item, pos = _js_value(tokens, pos)
            items.append(item)
            if tokens[pos] == ",":
                pos += 1
        return items, pos + 1
    if tok == "{":
        obj, pos = {}, pos + 1
        while tokens[pos] != "}":
            key = tokens[pos]
            if key.startswith("'"):
                key = _js_string(key)
            if tokens[pos + 1] != ":":
                raise InputError(f"gemoji: expected ':' after {key!r}")
            value, pos = _js_value(tokens, pos + 2)
            obj[key] = value
            if tokens[pos] == ",":
                pos += 1
        return obj, pos + 1
    if tok.startswith("'"):
        return _js_string(tok), pos + 1
    raise InputError(f"gemoji: unexpected token {tok!r}")


def _js_string(tok):
    body = tok[1:-1]
    if "\\" in body:
        # Only simple escapes occur in this package.
        body = re.sub(r"\\(.)", r"\1", body)
    return body


def read_gemoji(package_dir):
    """The `gemoji` array of the package's index.js: a plain JavaScript
    literal of objects with emoji, names, tags, description, category."""
    with open(os.path.join(package_dir, "package.json"), encoding="utf-8") as f:
        version = json.load(f).get("version")
    if version != GEMOJI_VERSION:
        raise InputError(f"gemoji {GEMOJI_VERSION} expected, found {version}")
    with open(os.path.join(package_dir, "index.js"), encoding="utf-8") as f:
        source = f.read()
    marker = "export const gemoji = "
    start = source.find(marker)
    if start < 0:
        raise InputError("gemoji: index.js has no gemoji array")
    tokens = _js_tokens(source[start + len(marker):])
    value, _ = _js_value(tokens, 0)
    return value


def read_emojibase_tags(package_dir):
    """Tags by emoji with U+FE0F removed."""
    with open(os.path.join(package_dir, "en", "data.json"), encoding="utf-8") as f:
        data = json.load(f)
    return {e["emoji"].replace(VS16, ""): e.get("tags", []) for e in data}


# --- catalogue ---------------------------------------------------------------

def unique(words):
    """Keeps the first spelling of each word, ignoring case."""
    seen, out = set(), []
    for w in words:
        key = w.casefold()
        if key not in seen:
            seen.add(key)
            out.append(w)
    return out


def build_catalogue(emoji_test, gemoji, cldr, emojibase):
    by_emoji = {g["emoji"]: g for g in gemoji}
    if len(by_emoji) != len(emoji_test) or any(e not in by_emoji for e, _, _ in emoji_test):
        missing = [e for e, _, _ in emoji_test if e not in by_emoji]
        raise InputError(f"gemoji and emoji-test.txt differ: {len(by_emoji)} vs "
                         f"{len(emoji_test)} emoji, missing from gemoji: {missing[:10]}")
    records = []
    for emoji, name, group in emoji_test:
        g = by_emoji[emoji]
        key = emoji.replace(VS16, "")
        # CLDR 41's keywords, then those that later CLDR versions added (as
        # emojibase-data ships them): "grandma", "plane", "lol".
        tags = unique(list(g["tags"]) + cldr.get(key, []) + emojibase.get(key, []))
        if not g["names"] or not tags:
            raise InputError(f"no {'aliases' if not g['names'] else 'tags'} for {emoji} {name}")
        records.append({
            "emoji": emoji,
            "description": name,
            "category": group,
            "aliases": list(g["names"]),
            "tags": tags,
        })
    return records


# --- writers -----------------------------------------------------------------

def catalogue_text(records):
    # One record per line: stable, readable, and a changed emoji is a one-line diff.
    lines = [json.dumps(r, ensure_ascii=False) for r in records]
    return "[\n" + ",\n".join(lines) + "\n]\n"


def list_text(entries):
    return "".join(f"{emoji},{name}\n" for emoji, name in entries)


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


LICENSE_README = """\
Licences of the emoji data

emojis.json and the preset lists common.csv, person.csv, female.csv,
male.csv and family.csv are generated by tools/emojidata from these
sources, and are modified from them (records selected and merged,
short names rewritten):

- Unicode emoji data (emoji-test.txt, Emoji 15.0): emoji, order,
  descriptions and categories. Unicode licence: unicode-data.txt.
- Unicode CLDR 41 English annotations: keywords in "tags".
  Unicode licence: unicode-cldr.txt.
- gemoji 8.1.0: short names ("aliases", and the names of the preset
  lists) and tags. MIT licence: gemoji.txt.
- emojibase-data 17.0.0: the English keywords of Unicode CLDR 48, in
  "tags" after those of CLDR 41. MIT licence: emojibase.txt; the CLDR
  annotations it holds: Unicode licence, unicode-cldr.txt.

words/*.tsv, the names and keywords of the emoji in other languages, are
generated by the same tool from the Unicode CLDR 41 annotations of those
languages (annotations and annotationsDerived), selected and merged.
Unicode licence: unicode-cldr.txt.
"""


def write_licenses(out_dir, sources):
    lic_dir = os.path.join(out_dir, "LICENSES")
    os.makedirs(lic_dir, exist_ok=True)
    write(os.path.join(lic_dir, "README"), LICENSE_README)
    for name, src in sources.items():
        with open(src, encoding="utf-8") as f:
            text = f.read()
        if not text.endswith("\n"):
            text += "\n"
        write(os.path.join(lic_dir, name), text)


def find_license(package_dir):
    for name in ("license", "LICENSE", "license.md", "LICENSE.md"):
        path = os.path.join(package_dir, name)
        if os.path.isfile(path):
            return path
    raise InputError(f"no licence file in {package_dir}")


# --- main --------------------------------------------------------------------

def generate(args):
    emoji_test = read_emoji_test(args.emoji_test)
    cldr = read_cldr_keywords(args.cldr)
    gemoji = read_gemoji(args.gemoji)
    emojibase = read_emojibase_tags(args.emojibase)

    records = build_catalogue(emoji_test, gemoji, cldr, emojibase)
    lists = presetnames.build_lists(records)

    os.makedirs(args.out, exist_ok=True)
    write(os.path.join(args.out, "emojis.json"), catalogue_text(records))
    for name in LIST_NAMES:
        write(os.path.join(args.out, name + ".csv"), list_text(lists[name]))
    languages = localwords.build(args.cldr, [r["emoji"] for r in records])
    localwords.write_all(args.out, languages, write)
    write_licenses(args.out, {
        "unicode-data.txt": args.unicode_copyright,
        "unicode-cldr.txt": args.cldr_copyright,
        "gemoji.txt": find_license(args.gemoji),
        "emojibase.txt": find_license(args.emojibase),
    })
    return records, lists, languages


def parser():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("--gemoji", required=True,
                   help="unpacked gemoji 8.1.0 npm package (the folder holding index.js)")
    p.add_argument("--emojibase", required=True,
                   help="unpacked emojibase-data npm package (the folder holding en/data.json)")
    p.add_argument("--emoji-test", default=DEFAULT_EMOJI_TEST,
                   help="emoji-test.txt of Emoji 15.0 (default: %(default)s)")
    p.add_argument("--cldr", default=DEFAULT_CLDR,
                   help="CLDR folder holding common/annotations and common/supplemental "
                        "(default: %(default)s)")
    p.add_argument("--unicode-copyright", default=DEFAULT_UNICODE_COPYRIGHT,
                   help="licence notice of the Unicode data (default: %(default)s)")
    p.add_argument("--cldr-copyright", default=DEFAULT_CLDR_COPYRIGHT,
                   help="licence notice of CLDR (default: %(default)s)")
    p.add_argument("--out", default=DEFAULT_OUT,
                   help="output folder (default: the repository's resources/)")
    return p


def main(argv=None):
    args = parser().parse_args(argv)
    try:
        records, lists, languages = generate(args)
    except (InputError, presetnames.NamingError) as e:
        print(f"error: {e}", file=sys.stderr)
        return 1
    print(f"{len(records)} emoji; " + ", ".join(
        f"{n} {len(lists[n])}" for n in LIST_NAMES) + f"; {len(languages)} languages -> {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
