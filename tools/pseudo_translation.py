#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Copyright 2026 The Zifrel developers
"""Turns a catalogue lupdate wrote into a pseudo-translation: every text
translated as itself between the marks "⟦" and "⟧", placeholders, "&" and
plural forms kept, so that a window running on it shows at a glance any
text that never went through the catalogue.

    pseudo_translation.py SOURCE.ts PSEUDO.ts
"""
import sys
import xml.etree.ElementTree as ET

OPEN, CLOSE = "\u27e6", "\u27e7"


def marked(text):
    return OPEN + (text or "") + CLOSE


def translate(message):
    source = message.findtext("source")
    old = message.find("translation")
    if old is not None:
        message.remove(old)
    translation = ET.SubElement(message, "translation")
    if message.get("numerus") == "yes":
        # English has two forms: one and more.
        for _ in range(2):
            ET.SubElement(translation, "numerusform").text = marked(source)
    else:
        translation.text = marked(source)


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en")
    count = 0
    for message in root.iter("message"):
        translate(message)
        count += 1
    if count == 0:
        sys.exit(f"pseudo_translation.py: {source} holds no texts")
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
