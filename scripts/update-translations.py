#!/usr/bin/env python3
"""Keeps translations/radiobench_en.ts, the English catalogue of the interface.

  update-translations.py add MISSING.txt    adds the texts the translation test reported missing
                                            (RB_MISSING_TEXTS=MISSING.txt ctest -R translation),
                                            one JSON string a line, as unfinished entries
  update-translations.py fill EN.jsonl      sets translations from {"zh": ..., "en": ...} lines
                                            (with "comment": a second sense of the same text,
                                            looked up as uiText(text, comment))
  update-translations.py check              lists unfinished entries and placeholder mismatches

Every text is in the one context "RadioBench"; a text's runs of digits are written %1, %2, ...
(the program looks a text up as it stands and then in that form). Entries keep their order;
new ones go at the end.
"""
import json
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

TS = Path(__file__).resolve().parent.parent / "translations" / "radiobench_en.ts"
CONTEXT = "RadioBench"


def load():
    if not TS.exists():
        return []
    root = ET.parse(TS).getroot()
    entries = []
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        tr = message.find("translation")
        done = tr is not None and tr.get("type") != "unfinished" and (tr.text or "")
        entries.append([source, (tr.text or "") if tr is not None else "", bool(done),
                        message.findtext("comment") or ""])
    return entries


def escape(text):
    text = text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    # Carriage returns would be folded into line feeds by any XML reader.
    return text.replace('"', "&quot;").replace("\r", "&#13;")


def save(entries):
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
           '<TS version="2.1" language="en_US" sourcelanguage="zh_CN">', "<context>",
           f"    <name>{CONTEXT}</name>"]
    for source, translation, done, comment in entries:
        kind = "" if done else ' type="unfinished"'
        out += ["    <message>", f"        <source>{escape(source)}</source>"]
        if comment:
            out.append(f"        <comment>{escape(comment)}</comment>")
        out += [f"        <translation{kind}>{escape(translation)}</translation>",
                "    </message>"]
    out += ["</context>", "</TS>", ""]
    TS.parent.mkdir(exist_ok=True)
    TS.write_text("\n".join(out), encoding="utf-8")


def placeholders(text):
    return sorted(re.findall(r"%\d+", text))


def main(argv):
    entries = load()
    index = {(e[0], e[3]): e for e in entries}
    if len(argv) == 3 and argv[1] == "add":
        added = 0
        for line in Path(argv[2]).read_text(encoding="utf-8").splitlines():
            if not line.strip():
                continue
            text = json.loads(line)
            if (text, "") not in index:
                index[(text, "")] = [text, "", False, ""]
                entries.append(index[(text, "")])
                added += 1
        save(entries)
        print(f"{added} added, {len(entries)} in all")
    elif len(argv) == 3 and argv[1] == "fill":
        filled = 0
        for line in Path(argv[2]).read_text(encoding="utf-8").splitlines():
            if not line.strip():
                continue
            row = json.loads(line)
            key = (row["zh"], row.get("comment", ""))
            if key not in index:
                index[key] = [key[0], "", False, key[1]]
                entries.append(index[key])
            entry = index[key]
            entry[1], entry[2] = row["en"], bool(row["en"])
            filled += 1
        save(entries)
        print(f"{filled} filled, {len(entries)} in all")
    elif len(argv) == 2 and argv[1] == "check":
        bad = 0
        for source, translation, done, _ in entries:
            if not done:
                print("unfinished:", json.dumps(source, ensure_ascii=False))
                bad += 1
            elif placeholders(source) != placeholders(translation):
                print("placeholders:", json.dumps([source, translation], ensure_ascii=False))
                bad += 1
        print(f"{len(entries)} entries, {bad} to mend")
        return 1 if bad else 0
    else:
        print(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
