#!/usr/bin/env python3
"""Writes benchmark pages, the same bytes on every run (fixed seed).

    make_pages.py FOLDER size BYTES NAME      a page of about BYTES bytes
    make_pages.py FOLDER links COUNT NAME     a page with COUNT listed links

Mixed text (some of it GBK), absolute, scheme-relative and relative links,
about one link per 200 bytes. Prints the number of targets holding //.
"""
import os
import random
import sys

SEED = 20240609
GBK_WORDS = [w.encode("gbk") for w in ("网址", "链接", "首页", "新闻", "下载", "搜索", "帮助", "关于我们")]
WORDS = [b"lorem", b"ipsum", b"dolor", b"sit", b"amet", b"page", b"item", b"more"]


def chunks(rng):
    """Yields (bytes, listed) pairs: a bit of text, then one link."""
    while True:
        text = b" ".join(rng.choice(GBK_WORDS if rng.random() < 0.3 else WORDS) for _ in range(rng.randint(8, 22)))
        path = b"/".join(rng.choice(WORDS) for _ in range(rng.randint(1, 4)))
        kind = rng.random()
        if kind < 0.45:
            target, listed = b"http://example.org/" + path + b"?id=%d" % rng.randint(0, 99999), True
        elif kind < 0.6:
            target, listed = b"https://www.example.com/" + path + b".html", True
        elif kind < 0.75:
            target, listed = b"//cdn.example.net/" + path + b".js", True
        elif kind < 0.9:
            target, listed = b"/" + path + b".html", False
        else:
            target, listed = b"#" + rng.choice(WORDS), False
        yield b"<p>" + text + b' <a class="l" href="' + target + b'">' + rng.choice(GBK_WORDS) + b"</a></p>\n", listed


def main():
    folder, mode, amount, name = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
    rng = random.Random(SEED)
    parts, size, listed = [b"<html><head><title>bench</title></head><body>\n"], 0, 0
    for chunk, is_link in chunks(rng):
        if (mode == "size" and size >= amount) or (mode == "links" and listed >= amount):
            break
        parts.append(chunk)
        size += len(chunk)
        listed += is_link
    parts.append(b"</body></html>\n")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(b"".join(parts))
    print(listed)


if __name__ == "__main__":
    main()
