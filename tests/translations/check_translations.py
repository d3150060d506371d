"""Checks the Spanish translation against the sources and the glossary.

    check_translations.py <lupdate> <source root> <ts file> <glossary>

Every text the sources mark for translation must have a finished Spanish translation (lupdate is
run over a copy of the .ts, so a text added without its translation fails here), and where a text
holds a term of the glossary its translation must hold the glossary's Spanish term.
"""

import csv
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

FOLDERS = ["widgets", "platform", "help", "dialogs", "loan", "store", "reader", "closing",
           "output", "schedule", "compare", "offers", "app"]


def messages(ts):
    for context in ET.parse(ts).getroot().findall("context"):
        name = context.find("name").text
        for message in context.findall("message"):
            translation = message.find("translation")
            forms = [f.text or "" for f in translation.findall("numerusform")] \
                if translation is not None else []
            text = (translation.text or "") if translation is not None else ""
            yield {
                "context": name,
                "source": message.find("source").text or "",
                "kind": translation.get("type") if translation is not None else "unfinished",
                "texts": forms if message.get("numerus") == "yes" else [text],
            }


def plain(text):
    return re.sub(r"&(?!&)", "", text).lower()


def unfinished(lupdate, root, ts):
    with tempfile.TemporaryDirectory() as tmp:
        copy = os.path.join(tmp, os.path.basename(ts))
        shutil.copy(ts, copy)
        subprocess.run([lupdate, "-locations", "none", "-no-obsolete", "-silent",
                        *[os.path.join(root, f) for f in FOLDERS], "-ts", copy],
                       check=True, capture_output=True)
        return [m for m in messages(copy)
                if m["kind"] in ("unfinished", "vanished", "obsolete")
                or any(not t.strip() for t in m["texts"])]


def stem(word):
    # "día hábil" and "días hábiles" are one term: words match on all but their endings.
    return word[:max(3, len(word) - 2)]


def holds(translation, spanish):
    words = re.findall(r"\w+", plain(translation))
    return all(any(w.startswith(stem(t)) for w in words)
               for t in re.findall(r"\w+", plain(spanish)))


# Texts where a glossary phrase's words stand in another sense: "keeping your loan costs %2 less"
# is the loan that costs, not the form's Loan Costs.
OTHER_SENSE = {("%1, keeping your loan costs %2 less than refinancing.", "Loan Costs")}


def glossary_misses(ts, glossary):
    with open(glossary, encoding="utf-8") as f:
        rows = [r for r in csv.DictReader(f, delimiter="\t") if r["english"] and r["spanish"]]
    # Phrases of two words or more: a single word ("Other", "Keep") is too often another sense.
    # The longest first, so "Estimated Cash to Close" is not also read as "Cash to Close".
    terms = sorted(((r["english"], r["spanish"]) for r in rows if " " in r["english"].strip()),
                   key=lambda t: -len(t[0]))
    misses = []
    for m in messages(ts):
        source = plain(m["source"])
        for english, spanish in terms:
            pattern = r"(?<![\w])" + re.escape(english.lower()) + r"(?![\w])"
            if re.search(pattern, source):
                source = re.sub(pattern, " ", source)
                if (m["source"], english) in OTHER_SENSE:
                    continue
                if not all(holds(t, spanish) for t in m["texts"]):
                    misses.append((m["context"], m["source"], english, spanish, m["texts"]))
    return misses


def main():
    lupdate, root, ts, glossary = sys.argv[1:5]
    failed = False
    left = unfinished(lupdate, root, ts)
    for m in left:
        print(f"not translated: [{m['context']}] {m['source']!r}")
    if left:
        print(f"{len(left)} texts have no Spanish translation: add them to {ts}")
        failed = True
    misses = glossary_misses(ts, glossary)
    for context, source, english, spanish, texts in misses:
        print(f"glossary: [{context}] {source!r} holds {english!r}, "
              f"but {texts!r} lacks {spanish!r}")
    if misses:
        failed = True
    total = sum(1 for _ in messages(ts))
    print(f"{total} texts, {len(left)} untranslated, {len(misses)} glossary misses")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
