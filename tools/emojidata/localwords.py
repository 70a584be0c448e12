"""Names and keywords of the catalogue's emoji in other languages.

From CLDR 41's annotations (common/annotations and common/annotationsDerived,
Debian `unicode-cldr-core`), one file per language, words/<locale>.tsv: one
line per catalogue emoji that the language names, in catalogue order,

    <emoji> TAB <name> TAB <keyword>|<keyword>|...

The emoji is written as the catalogue writes it (CLDR's keys carry no U+FE0F).
Keywords are CLDR's, each once (compared ignoring case), without the name.

A language ships when it names at least MIN_COVERAGE of the catalogue. Locales
with a region (de_CH, fr_CA, pt_PT) do not ship: the program falls back from a
region to its language. Script variants (zh_Hant, sr_Latn) do, as they are
written differently. English is the catalogue's own language.
"""

import os
import xml.etree.ElementTree as ET

VS16 = "\ufe0f"
INHERITED = "\u2191\u2191\u2191"  # CLDR's "take the parent's value"
MIN_COVERAGE = 0.95
FOLDER = "words"
EXTENSION = ".tsv"


def _annotations(cldr_root, locale):
    """(names, keywords) of one locale file pair, by key without U+FE0F. The
    hand-written annotations win over the derived ones."""
    names, keywords = {}, {}
    for sub in ("annotations", "annotationsDerived"):
        path = os.path.join(cldr_root, "common", sub, locale + ".xml")
        if not os.path.exists(path):
            continue
        for node in ET.parse(path).getroot().iter("annotation"):
            text = (node.text or "").strip()
            if not text or text == INHERITED:
                continue
            cp = node.get("cp")
            if node.get("type") == "tts":
                names.setdefault(cp, text)
            else:
                keywords.setdefault(cp, [k.strip() for k in text.split("|") if k.strip()])
    return names, keywords


def _parent_locales(cldr_root):
    path = os.path.join(cldr_root, "common", "supplemental", "supplementalData.xml")
    parents = {}
    for node in ET.parse(path).getroot().iter("parentLocale"):
        for locale in node.get("locales", "").split():
            parents[locale] = node.get("parent")
    return parents


def _chain(locale, parents):
    """The locale and its ancestors, without root."""
    chain = []
    while locale and locale != "root":
        chain.append(locale)
        locale = parents.get(locale) or ("_".join(locale.split("_")[:-1]) or "root")
    return chain


def _has_region(locale):
    return any(len(part) == 2 and part.isupper() or part.isdigit()
               for part in locale.split("_")[1:])


def candidate_locales(cldr_root):
    folder = os.path.join(cldr_root, "common", "annotations")
    return sorted(name[:-4] for name in os.listdir(folder) if name.endswith(".xml"))


def build(cldr_root, emojis):
    """{locale: [(emoji, name, keywords)]} for every language that ships,
    given the catalogue's emoji in order."""
    parents = _parent_locales(cldr_root)
    cache = {}

    def annotations(locale):
        if locale not in cache:
            cache[locale] = _annotations(cldr_root, locale)
        return cache[locale]

    result = {}
    for locale in candidate_locales(cldr_root):
        chain = _chain(locale, parents)
        if (not chain or _has_region(locale) or any(l.split("_")[0] == "en" for l in chain)
                or not any(annotations(locale))):
            continue
        entries = []
        for emoji in emojis:
            key = emoji.replace(VS16, "")
            name = next((annotations(l)[0][key] for l in chain if key in annotations(l)[0]), None)
            if not name:
                continue
            words = next((annotations(l)[1][key] for l in chain if key in annotations(l)[1]), [])
            seen, keywords = {name.casefold()}, []
            for word in words:
                if word.casefold() not in seen:
                    seen.add(word.casefold())
                    keywords.append(word)
            entries.append((emoji, name, keywords))
        if len(entries) >= MIN_COVERAGE * len(emojis):
            result[locale] = entries
    return result


def text(entries):
    return "".join(f"{emoji}\t{name}\t{'|'.join(keywords)}\n" for emoji, name, keywords in entries)


def write_all(out_dir, languages, write):
    folder = os.path.join(out_dir, FOLDER)
    os.makedirs(folder, exist_ok=True)
    for locale, entries in languages.items():
        write(os.path.join(folder, locale + EXTENSION), text(entries))


def files_under(resources):
    """The language files that exist in a resources folder, relative to it."""
    folder = os.path.join(resources, FOLDER)
    if not os.path.isdir(folder):
        return []
    return [os.path.join(FOLDER, n) for n in sorted(os.listdir(folder)) if n.endswith(EXTENSION)]
