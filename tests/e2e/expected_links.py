#!/usr/bin/env python3
"""The list entries that a search of a page should leave, top to bottom,
worked out from the page bytes alone:

    expected_links.py FILE     one entry per line, as hex of its bytes

It walks the bytes once, character by character, instead of splitting and
searching like the program, so that the two do not share a mistake.
"""
import sys

MARKER = b'href="'


def char_starts(text):
    """Positions where a character starts; a lead byte with nothing behind
    it ends the walk, like a lead byte before the terminating zero."""
    i = 0
    while i < len(text):
        yield i
        if text[i] >= 0x80:
            if i + 1 >= len(text):
                return
            i += 2
        else:
            i += 1


def links(body):
    text = body.split(b"\0", 1)[0]
    # Piece boundaries: marker occurrences at character starts, not
    # overlapping (the walk goes on behind a found marker).
    pieces, start, skip_to = [], 0, 0
    for i in char_starts(text):
        if i < skip_to:
            continue
        if text.startswith(MARKER, i):
            pieces.append(text[start:i])
            start = skip_to = i + len(MARKER)
    if start < len(text):
        pieces.append(text[start:])
    found = []
    for piece in pieces:
        target = piece
        for i in char_starts(piece):
            if piece[i] == 0x22:
                target = piece[:i]
                break
        if any(target.startswith(b"//", i) for i in char_starts(target)):
            found.append(target)
    return found[::-1]


def main():
    with open(sys.argv[1], "rb") as f:
        for link in links(f.read()):
            print(link.hex())


if __name__ == "__main__":
    main()
