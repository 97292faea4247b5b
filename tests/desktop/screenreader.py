#!/usr/bin/python3
"""Pomwit as a screen reader meets it: the accessibility tree and its events,
read over the real accessibility bus while keys are typed on the X server.
Usage: screenreader.py GOOD-APP-FOLDER BROKEN-APP-FOLDER
(each holds a copy of the program; the good one has the cards apple, ball, cat)."""
import os
import re
import sys

from a11y import activated, everything_said, events, find, key, menu, start, wait_for, walk, window

WORDS = ["apple", "ball", "cat"]

good, broken = sys.argv[1:3]
process, app = start(good)
try:
    window(app, "frame", "Pomwit")
    activated("Pomwit")
    menu(app, "Pomwit", "Help", "Return")
    window(app, "dialog", "About Pomwit")
    activated("About Pomwit")
    key("Escape")
    activated("Pomwit")
    menu(app, "Pomwit", "Tools", "o")
    window(app, "frame", "Options")
    activated("Options")
    key("space")
    window(app, "frame", "Import New Card Set")
    activated("Import New Card Set")
    key("space")
    activated("Options")
    menu(app, "Options", "File", "c")
    activated("Pomwit")
    key("alt+b")
    card = window(app, "frame", "FlashCard")
    activated("FlashCard")
    status = wait_for("no status panel described as the card number", lambda: find(card, "label", description="Card number"))
    answer = find(card, "label", description="Answer")
    picture = find(card, "image")
    if any("apple" in text for text in everything_said(app)):
        sys.exit("FAIL: the first card's word is in the tree before it was found")

    key("Escape")  # Next Card
    shown = wait_for("the status does not read p/3", lambda: re.fullmatch(r"([0-2])/3", status.name))
    word = WORDS[int(shown.group(1))]
    wait_for("no name-changed event for the status",
             lambda: any(e[0].endswith("accessible-name") and e[3] == "Card number" and e[2] == status.name for e in events))
    said = [text for text in everything_said(app) if word in text]
    if said:
        sys.exit(f"FAIL: {word!r} is in the tree before it was found: {said}")

    key(word[0])
    wait_for("the answer does not read the word", lambda: answer.name == word)
    wait_for("the picture is not named after the word", lambda: picture.name == word)
    wait_for("no name-changed event for the answer",
             lambda: any(e[0].endswith("accessible-name") and e[3] == "Answer" and e[2] == word for e in events))
    print(f"card window: status {status.name!r}, answer {answer.name!r}, picture {picture.name!r}")
finally:
    process.kill()
    process.wait()

process, app = start(broken)
try:
    window(app, "frame", "Pomwit")
    key("alt+b")
    alert = window(app, "alert", "Pomwit")
    text = " ".join(t for node in walk(alert) for t in (node.name, node.description))
    for part in ["The card set cannot be found", os.path.join(broken, "pomwit.mdb"), "Put the card database"]:
        if part not in text:
            sys.exit(f"FAIL: the alert does not read {part!r}: {text!r}")
    print(f"alert: {text!r}")
finally:
    process.kill()
    process.wait()

kinds = sorted({(e[0], e[1]) for e in events})
print(f"events seen: {kinds}")
print("screen reader: all checks passed")
