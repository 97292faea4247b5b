#!/usr/bin/python3
"""The card workshop as a grown-up meets it, over the accessibility bus:
Options, Import New Cards, two pictures added through the file dialog, one
renamed, one removed, a card's word recorded from a microphone that hears the
sound server's sink, the window closed, Begin Flash Cards: the new card is drawn.
Usage: workshop.py APP-FOLDER (the app has apple, ball, cat; the Pictures
folder of $HOME kiwi.png and lemon.png)."""
import sys

import pyatspi

from a11y import activated, find, key, menu, pump, start, wait_for, walk, window

app_folder = sys.argv[1]


def typed(text):
    import subprocess
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def items(list_node):
    return [child.name for child in list_node if child is not None and child.getRoleName() == "list item"]


def selected(list_node):
    return next((child.name for child in list_node if child is not None
                 and child.getState().contains(pyatspi.STATE_SELECTED)), None)


def choose(list_node, word):
    """Moves to the list by its label's access key, then down to the word."""
    key("alt+d")
    wait_for("the list does not take the focus", lambda: list_node.getState().contains(pyatspi.STATE_FOCUSED))
    key("Home")
    for step in range(len(items(list_node))):
        now = wait_for("no card is chosen", lambda: selected(list_node))
        if now == word:
            return
        key("Down")
        wait_for("Down did not choose the next card", lambda: selected(list_node) not in (None, now))
    sys.exit(f"FAIL: {word} is not in the list")


def revealed(app, answer):
    """The word shown; a message about sound (a sound server too slow on a
    loaded machine) is answered, and the question asked again."""
    if answer.name in ["apple", "ball", "cat", "lime"]:
        return True
    if find(app, "alert", "Pomwit"):
        key("Return")
        pump(0.5)
        key("ctrl+s")
    return False


def enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


def play_voice():
    """Half a second of a tone into the sink, which the microphone hears."""
    import math, struct, subprocess
    tone = b"".join(struct.pack("<h", int(12000 * math.sin(i / 17.4))) for i in range(24000))
    subprocess.run(["pacat", "--rate=48000", "--channels=1", "--format=s16le"], input=tone, check=True)


process, app = start(app_folder)
try:
    window(app, "frame", "Pomwit")
    activated("Pomwit")
    menu(app, "Pomwit", "Tools", "o")
    activated("Options")
    key("space")
    workshop = window(app, "frame", "Import New Card Set")
    activated("Import New Card Set")
    cards = wait_for("no list named Cards", lambda: find(workshop, "list", "Cards"))
    wait_for("the cards are not listed", lambda: items(cards) == ["apple", "ball", "cat"])

    key("alt+a")
    dialog = window(app, "dialog", "Add Pictures")
    wait_for("the dialog did not open the Pictures folder", lambda: any(n.name == "kiwi.png" for n in walk(dialog)))
    typed('"kiwi.png" "lemon.png"')
    key("alt+o")  # Open; a Return would go to the name's completion first
    save = wait_for("no button Save the New Cards", lambda: find(workshop, "push button", "Save the New Cards"))
    wait_for("the two pictures cannot be saved", lambda: enabled(save))
    key("alt+s")
    wait_for("the new cards are not listed", lambda: items(cards) == ["apple", "ball", "cat", "kiwi", "lemon"])

    choose(cards, "kiwi")
    key("F2")  # renamed in place, as Rename… does (after its button's delayed click)
    key("ctrl+a")
    typed("lime")
    key("Return")
    wait_for("no question naming the card",
                       lambda: find(workshop, "label", 'Rename the card "kiwi" to "lime"?'))
    key("space")
    wait_for("kiwi was not renamed", lambda: items(cards) == ["apple", "ball", "cat", "lime", "lemon"])
    choose(cards, "lemon")
    wait_for("Remove is not offered", lambda: enabled(find(workshop, "push button", "Remove…")))
    find(workshop, "push button", "Remove…").queryAction().doAction(0)
    wait_for("no question naming the card", lambda: find(workshop, "label", 'Remove the card "lemon" and its pictures?'))
    key("space")
    wait_for("lemon was not removed", lambda: items(cards) == ["apple", "ball", "cat", "lime"])

    choose(cards, "apple")
    wait_for("Record is not offered", lambda: enabled(find(workshop, "push button", "Record")))
    key("alt+e")
    wait_for("the time left is not shown", lambda: any(n.getRoleName() == "label" and n.name.endswith(" seconds left")
                                                       for n in walk(workshop)))
    play_voice()
    key("alt+t")
    wait_for("Keep is not offered", lambda: enabled(find(workshop, "push button", "Keep")))
    key("alt+p")
    wait_for("apple is not marked as recorded", lambda: "apple (recorded)" in items(cards))
    find(workshop, "push button", "Close").queryAction().doAction(0)
    activated("Options")
    menu(app, "Options", "File", "c")
    activated("Pomwit")
    key("alt+b")
    card = window(app, "frame", "FlashCard")
    activated("FlashCard")
    answer = wait_for("no answer label", lambda: find(card, "label", description="Answer"))
    status = find(card, "label", description="Card number")
    picture = find(card, "image")
    seen = set()
    for draw in range(8):  # a dealt stack shows each of the four cards in a round
        # While a word is said the window holds the keys and carries them out afterwards.
        before = status.name
        key("Escape")
        wait_for("Next Card did not draw", lambda: status.name != before and not answer.name)
        key("ctrl+s")
        wait_for("Show Word did not reveal the word", lambda: revealed(app, answer))
        seen.add(answer.name)
        if "lime" in seen:
            break
    if "lime" not in seen:
        sys.exit(f"FAIL: the new card was not drawn: {sorted(seen)}")
    wait_for("the new card's picture is not drawn", lambda: picture.name == "lime")
    print("workshop: added kiwi and lemon, renamed kiwi to lime, removed lemon, recorded apple; lime drawn")
finally:
    process.kill()
    process.wait()
