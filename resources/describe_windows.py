#!/usr/bin/env python3
"""Writes the window descriptions of the program in its own binary form,
which the program carries as the resource WINDOWS and reads at start-up.

    describe_windows.py OUTPUT [--edit-settings-version N]

Integers are 32-bit little-endian words; a counted run is a word count
followed by that many bytes. Texts are GBK.

The ids, kind codes and event numbers below have names in the program's
src/core/designed.h; the host test designed_tests checks that both agree.
"""
import argparse
import struct

MAGIC, FORMAT = 0x4457464C, 1  # "LFWD"

KIND_WINDOW, KIND_EDIT, KIND_BUTTON, KIND_LIST = 0x00010001, 0x00010005, 0x0001000B, 0x00020004
MAIN_WINDOW = 0x52010001
VISIBLE, DISABLED, TAB_STOP = 1, 2, 4


def word(v):
    return struct.pack("<i" if v < 0 else "<I", v)


def half(v):
    return struct.pack("<H", v)


def counted(b):
    return word(len(b)) + b


def gbk(s):
    return s.encode("gbk")


def logfont(height, weight, charset, out_prec, clip_prec, quality, pitch_family, face):
    face_bytes = gbk(face).ljust(32, b"\0")
    return struct.pack("<iiiiiBBBBBBBB", height, 0, 0, 0, weight, 0, 0, 0, charset,
                       out_prec, clip_prec, quality, pitch_family) + face_bytes


def edit_settings(version):
    font = logfont(-16, 400, 134, 3, 2, 1, 2, "宋体")
    assert len(font) == 60
    s = word(version)
    s += word(1)            # border: sunken client edge
    s += word(0x00000000)   # text colour: black
    s += word(0x00FFFFFF)   # background colour: white
    s += word(1)            # hide selection
    s += word(0)            # maximum length: the platform's
    s += word(0)            # single line
    s += word(0)            # no scroll bars
    s += word(0)            # left aligned
    s += word(0)            # normal input
    s += half(0x002A)       # password character "*"
    s += word(0)            # letter case unchanged
    s += word(0)            # no up-down buttons
    s += word(0)            # up-down minimum
    s += word(100)          # up-down maximum
    s += word(0)            # selection start
    s += word(0)            # selection length
    s += counted(font)
    s += counted(b"")       # text
    if version >= 2:
        s += counted(b"")   # first extra text
        s += counted(b"")   # second extra text
    return s


def button_settings():
    s = word(1)             # settings version
    s += word(0)            # ordinary push button
    s += word(1)            # caption centred
    s += word(1)            # caption in the vertical middle
    s += counted(b"")       # no picture
    s += counted(b"")       # no font: the default GUI font
    s += counted(gbk("查找"))
    return s


def list_settings():
    s = word(1)             # settings version
    s += word(1)            # report view
    s += word(1)            # border: sunken client edge
    s += word(0x00000000)   # text colour
    s += word(0x00FFFFFF)   # text background colour
    s += word(0x00FFFFFF)   # background colour
    s += counted(b"")       # no font: the default GUI font
    s += word(1)            # header shown
    s += word(1)            # header items act as buttons
    s += word(0)            # columns cannot be dragged
    s += word(1)            # single selection
    s += word(0)            # selection drawn only with the focus
    s += word(0)            # no sorting
    s += word(0)            # no label editing
    s += word(0)            # no check boxes
    s += word(0)            # no grid lines
    s += word(0)            # no full-row selection
    s += word(0)            # no hot tracking
    s += word(0)            # no flat scroll bars
    s += word(1)            # info tips
    s += word(1)            # one column:
    s += counted(gbk("网址")) + word(270) + word(0) + word(-1)  # title, width, left, no image
    s += word(0)            # no entries
    return s


def entry(id_, kind, name, rect, container, flags, bindings, settings):
    b = word(id_) + word(kind) + counted(gbk(name))
    b += b"".join(word(v) for v in rect)
    b += word(container)
    b += counted(b"\0\0\0\0")  # the platform's default mouse pointer
    b += counted(b"")          # tag
    b += word(flags)
    b += word(0)               # tab order
    b += word(len(bindings))
    for number, routine in bindings:
        b += word(number) + counted(routine.encode("ascii"))
    b += counted(settings)
    return b


def main_window(edit_version):
    w = 0x06010000
    entries = [
        entry(w, KIND_WINDOW, "", (50, 50, 483, 381), 0, VISIBLE, [(0, "OnMainWindowCreated")], b""),
        entry(0x16010007, KIND_EDIT, "编辑框1", (80, 320, 397, 32), w, VISIBLE | TAB_STOP, [],
              edit_settings(edit_version)),
        entry(0x16010006, KIND_LIST, "超级列表框1", (0, 0, 480, 320), w, VISIBLE | TAB_STOP,
              [(4, "OnLinkClicked")], list_settings()),
        entry(0x16010002, KIND_BUTTON, "按钮1", (0, 319, 80, 32), w, VISIBLE | TAB_STOP,
              [(0, "OnFindClicked")], button_settings()),
    ]
    return word(MAIN_WINDOW) + word(len(entries)) + b"".join(entries)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("output")
    parser.add_argument("--edit-settings-version", type=int, default=2)
    args = parser.parse_args()
    data = word(MAGIC) + word(FORMAT) + word(1) + main_window(args.edit_settings_version)
    with open(args.output, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
