#!/usr/bin/python3
"""The program as a screen reader sees it, through AT-SPI.

atspi.py walk        every object of the program's shown windows, one a line
                     (role, name, actions); fails on one without a name or
                     role
atspi.py press NAME  runs the Press action of the shown object so named
atspi.py focused     the name of the object with the keyboard focus
atspi.py value NAME  the current, least and greatest value of the shown
                     object so named
atspi.py names       the names of every shown object, one a line
atspi.py words       every shown text's characters, words, sentences and
                     lines at, before and after every offset, as a screen
                     reader moving by them asks; one line a text
"""
import sys

import pyatspi


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "huevella":
            return app
    sys.exit("huevella is not on the accessibility bus")


def shown(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def objects(obj, depth=0):
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is None or not shown(child):
            continue
        yield depth, child
        yield from objects(child, depth + 1)


def actions(obj):
    try:
        act = obj.queryAction()
    except NotImplementedError:
        return []
    return [act.getName(k) for k in range(act.nActions)]


def main():
    command = sys.argv[1]
    app = program()
    if command == "walk":
        unnamed = 0
        for depth, obj in objects(app):
            role = obj.getRoleName()
            print("%s%s | %s | %s" % ("  " * depth, role, obj.name, ",".join(actions(obj))))
            if not obj.name or role in ("unknown", "invalid"):
                unnamed += 1
        if unnamed:
            sys.exit("%d objects without a name or role" % unnamed)
    elif command == "names":
        for _, obj in objects(app):
            print(obj.name)
    elif command == "press":
        for _, obj in objects(app):
            if obj.name == sys.argv[2] and "Press" in actions(obj):
                act = obj.queryAction()
                act.doAction(actions(obj).index("Press"))
                return
        sys.exit("nothing shown is named %r with a Press action" % sys.argv[2])
    elif command == "words":
        asked = 0
        for _, obj in objects(app):
            try:
                text = obj.queryText()
            except NotImplementedError:
                continue
            length = text.characterCount
            for boundary in (pyatspi.TEXT_BOUNDARY_CHAR, pyatspi.TEXT_BOUNDARY_WORD_START,
                             pyatspi.TEXT_BOUNDARY_WORD_END, pyatspi.TEXT_BOUNDARY_SENTENCE_START,
                             pyatspi.TEXT_BOUNDARY_LINE_START):
                for offset in range(length + 1):
                    for ask in (text.getTextAtOffset, text.getTextBeforeOffset,
                                text.getTextAfterOffset):
                        ask(offset, boundary)
                        asked += 1
            word = text.getTextAtOffset(max(length - 1, 0), pyatspi.TEXT_BOUNDARY_WORD_START)
            print("%s | %r | %d queries | last word %r" % (obj.name, text.getText(0, -1), asked, word[0]))
        if not asked:
            sys.exit("no text to ask")
    elif command == "value":
        for _, obj in objects(app):
            if obj.name == sys.argv[2]:
                value = obj.queryValue()
                print("%g %g %g" % (value.currentValue, value.minimumValue, value.maximumValue))
                return
        sys.exit("nothing shown is named %r" % sys.argv[2])
    elif command == "focused":
        for _, obj in objects(app):
            if obj.getState().contains(pyatspi.STATE_FOCUSED):
                print(obj.name)
                return
        sys.exit("nothing has the focus")


main()
