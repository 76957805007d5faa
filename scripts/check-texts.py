#!/usr/bin/env python3
"""Fails when a Japanese text of the program has no English, or an English one
is not English.

Usage: scripts/check-texts.py SOURCE_DIR COMPILED_CATALOGUE

Every string literal with a Japanese character in the folders that show texts
must be an entry of the catalogue (text/en.po, compiled by msgfmt), or a fixed
part of an entry with "%s" (the texts composed around a name or a number), or
one of the texts below that stay as they are. Every entry must be used, and no
English text may hold a Japanese character.
"""

import gettext
import pathlib
import re
import sys

FOLDERS = ("app", "display", "flow", "record", "sound")
# Texts that are not translated: the piece faces and board numerals the
# drawing turns into letters itself, names of files and of the font, and a
# language's name in itself.
KEPT = set("歩と香桂銀金角飛王") | set("一二三四五六七八九") | set("１２３４５６７８９") | {
    "ＭＳ Ｐ明朝", ".棋譜", "*.棋譜", "駒打音.wav", "禁止.wav", "その他.wav", "BGM.wav",
    "日本語",
}

JAPANESE = re.compile(r"[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]")
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')
COMMENT = re.compile(r"//[^\n]*|/\*.*?\*/", re.DOTALL)


def unescape(text):
    return text.encode("utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8")


def literals(root):
    for folder in FOLDERS:
        for path in sorted((root / folder).rglob("*")):
            if path.suffix not in (".cpp", ".h"):
                continue
            relative = str(path.relative_to(root))
            source = COMMENT.sub("", path.read_text(encoding="utf-8"))
            # Adjacent literals are one text.
            source = re.sub(r'"\s*\n\s*"', "", source)
            for match in LITERAL.finditer(source):
                text = unescape(match.group(1))
                if JAPANESE.search(text):
                    yield relative, text


def main():
    root = pathlib.Path(sys.argv[1]).resolve()
    with open(sys.argv[2], "rb") as mo:
        catalogue = gettext.GNUTranslations(mo)._catalog
    entries = {k.split("\x04")[-1]: v for k, v in catalogue.items() if k}
    fixed_parts = [part for k in entries if "%s" in k for part in k.split("%s")]
    found = []
    used = set()
    for where, text in literals(root):
        if text in KEPT:
            continue
        if text in entries:
            used.add(text)
        elif any(text in part for part in fixed_parts):
            used.update(k for k in entries if "%s" in k and any(text in p for p in k.split("%s")))
        else:
            found.append(f"{where}: {text!r} has no English in text/en.po")
    for japanese, english in sorted(entries.items()):
        if japanese not in used:
            found.append(f"text/en.po: {japanese!r} is not a text of the program")
        if JAPANESE.search(english):
            found.append(f"text/en.po: the English of {japanese!r} is not English")
    for line in found:
        print(line)
    if found:
        return 1
    print(f"texts: every one of {len(used)} has its English")
    return 0


if __name__ == "__main__":
    sys.exit(main())
