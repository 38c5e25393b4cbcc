#!/usr/bin/env python3
"""Gives each unfinished text of the Polish translation whose source is the Polish interface
(its English translation is finished and reads otherwise) that source as its Polish form, so
that only the English sources are left to translate by hand."""
import sys
import xml.etree.ElementTree as ET


def messages(tree):
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield (name, message.findtext("source")), message


def main(english_path, polish_path):
    english = {key: message for key, message in messages(ET.parse(english_path))}
    polish_tree = ET.parse(polish_path)
    for key, message in messages(polish_tree):
        translation = message.find("translation")
        if translation.get("type") != "unfinished":
            continue
        other = english.get(key)
        if other is None:
            continue
        english_form = other.find("translation")
        if english_form.get("type") is None and english_form.text not in (None, key[1]):
            translation.text = key[1]
            del translation.attrib["type"]
    polish_tree.write(polish_path, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
