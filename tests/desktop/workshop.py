#!/usr/bin/python3
"""The card workshop as a grown-up meets it, over the accessibility bus:
Options, Import New Cards, two pictures added through the file dialog, one
renamed, one removed, the window closed, Begin Flash Cards: the new card is drawn.
Usage: workshop.py APP-FOLDER (the app has apple, ball, cat; the Pictures
folder of $HOME kiwi.png and lemon.png)."""
import sys

import pyatspi

from a11y import activated, find, key, menu, start, wait_for, walk, window

app_folder = sys.argv[1]


def typed(text):
    import subprocess
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def items(list_node):
    return [child.name for child in list_node if child is not None and child.getRoleName() == "list item"]


def choose(list_node, word):
    """Moves to the list by its label's access key, then to the word by typing it."""
    key("alt+d")
    wait_for("the list does not take the focus", lambda: list_node.getState().contains(pyatspi.STATE_FOCUSED))
    typed(word)  # the question that follows names the card chosen


def enabled(node):
    return node.getState().contains(pyatspi.STATE_ENABLED)


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
    find(workshop, "push button", "Close").queryAction().doAction(0)
    activated("Options")
    menu(app, "Options", "File", "c")
    activated("Pomwit")
    key("alt+b")
    card = window(app, "frame", "FlashCard")
    activated("FlashCard")
    answer = wait_for("no answer label", lambda: find(card, "label", description="Answer"))
    picture = find(card, "image")
    seen = set()
    for draw in range(8):  # a dealt stack shows each of the four cards in a round
        key("Escape", "ctrl+s")
        wait_for("Show Word did not reveal the word", lambda: answer.name in ["apple", "ball", "cat", "lime"])
        seen.add(answer.name)
        if "lime" in seen:
            break
    if "lime" not in seen:
        sys.exit(f"FAIL: the new card was not drawn: {sorted(seen)}")
    wait_for("the new card's picture is not drawn", lambda: picture.name == "lime")
    print("workshop: added kiwi and lemon, renamed kiwi to lime, removed lemon; lime drawn")
finally:
    process.kill()
    process.wait()
