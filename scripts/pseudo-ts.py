#!/usr/bin/env python3
"""Fills every message of a Qt Linguist .ts file with its pseudo-translation: the source text
wrapped in brackets and made 40 % longer with tildes (the same rule as app::pseudoText), so that
the editor run with "--lang pseudo" shows which texts go through translation and which would be
cut off by a longer language.

Usage: pseudo-ts.py IN.ts OUT.ts
"""
import sys
import xml.etree.ElementTree as ET


def pseudo(text):
    longer = (len(text) * 4 + 9) // 10
    return "[" + text + "~" * max(0, longer - 2) + "]"


def main(src, dst):
    tree = ET.parse(src)
    for message in tree.getroot().iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        for form in list(translation):
            translation.remove(form)
        if message.get("numerus") == "yes":
            translation.text = None
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(source)
        else:
            translation.text = pseudo(source)
    tree.write(dst, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
