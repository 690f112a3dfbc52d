#!/usr/bin/env python3
"""End-to-end tests of linkfinder.exe, driven like a person drives it:
xdotool clicks, types and presses keys, lfprobe reads the window back.

    e2e.py ROOT BUILD_DIR TEST_NAME

Expects DISPLAY and LF_WINEPREFIX (run.sh sets both). Each test leaves a
screenshot in BUILD_DIR/e2e/TEST_NAME.png.
"""
import os
import shutil
import signal
import socket
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import expected_links  # noqa: E402

ROOT, BUILD, TEST = sys.argv[1], sys.argv[2], sys.argv[3]
WORK = os.path.join(BUILD, "e2e")
PAGES = os.path.join(WORK, "pages")
WINE_RUN = os.path.join(ROOT, "tools", "wine-run")
PROGRAM = os.path.join(BUILD, "linkfinder.exe")
PROBE = os.path.join(BUILD, "lfprobe.exe")

# Pages that the project did not write (packages in tools/lib/deps.sh).
DEBIAN_PAGES = {
    "debref-ch03.html": "/usr/share/debian-reference/ch03.zh-cn.html",
    "bashref.html": "/usr/share/doc/bash/bashref.html",
}


def gbk(text):
    return text.encode("gbk")


# The cutting rules at work on one page in GBK.
EDGES = (
    gbk("开头 //before-the-first-marker <a ")
    + b'href="//a/1">a</a> href="/c">c</a> href="//b/2">b</a>'
    + b' href="">empty</a> HREF="http://capitals/" href=\'http://single/\''
    + b' href="http://twice/" href="http://twice/"'
    + gbk(' href="http://例子.测试/路径">中文</a>')
    # 0xA1 after an ASCII byte swallows the h of the marker.
    + b' x\xa1href="http://swallowed/" '
    + gbk('链接href="http://after-gbk/"')
    + b" end\0"
    + b' href="http://behind-the-zero/"'
)

# One link, so that a search that finds nothing changes the title.
ONE = b'<a href="http://one.example/">one</a>'

# Entries a click may or may not hand to the browser, and what the browser
# should get for each (None: nothing at all).
OPEN_TARGETS = [
    (b"http://example.org/a?b=1", b"http://example.org/a?b=1"),
    (b"file:///C:/x.exe?//", None),
    (b"https://example.org/secure", b"https://example.org/secure"),
    (b"ms-msdt://x", None),
    (b"//example.net/relative", b"https://example.net/relative"),
    (b"javascript://%0aalert(1)", None),
    (b"///C:/windows//", None),
]
OPEN = b"".join(b'<a href="%s">x</a>\n' % target for target, _ in OPEN_TARGETS)

FIXTURES = {"edges.html": EDGES, "one.html": ONE, "open.html": OPEN}


def browser_address(entry):
    """What a click on an entry of the open page should hand to the browser."""
    return dict(OPEN_TARGETS)[entry]


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, get, ok, seconds=15.0, step=0.15):
    """Polls get() until ok(value); bounded in time and in rounds."""
    deadline = time.monotonic() + seconds
    value = None
    for _ in range(int(seconds / step) + 1):
        value = get()
        if ok(value):
            return value
        if time.monotonic() > deadline:
            break
        time.sleep(step)
    raise Failure(f"timed out waiting for {what}; last state: {value!r}")


class State:
    def __init__(self, text):
        self.window = None
        self.title = None
        self.focus = None
        self.columns = []
        self.items = []
        self.labels = {}
        self.toplevel = 0
        self.error = None
        for line in text.splitlines():
            key, _, rest = line.strip().partition(" ")
            if key == "window":
                self.window = tuple(int(v) for v in rest.split())
            elif key == "title":
                self.title = bytes.fromhex(rest).decode("gbk", "replace")
            elif key == "focus":
                self.focus = int(rest)
            elif key == "columns":
                self.columns = [int(v) for v in rest.split()]
            elif key == "item":
                self.items.append(bytes.fromhex(rest))
            elif key == "label":
                index, *rect = (int(v) for v in rest.split())
                self.labels[index] = rect
            elif key == "toplevel":
                self.toplevel = int(rest)
            elif key == "error":
                self.error = rest

    def __repr__(self):
        return (f"window={self.window} title={self.title!r} focus={self.focus} "
                f"items={len(self.items)} toplevel={self.toplevel}")


def probe():
    # A file, not a pipe: a Wine server started by the probe would hold a
    # pipe open after the probe has ended.
    with open(os.path.join(WORK, "probe.txt"), "w+b") as out:
        subprocess.run([WINE_RUN, PROBE], stdin=subprocess.DEVNULL, stdout=out,
                       stderr=subprocess.DEVNULL, timeout=30)
        out.seek(0)
        state = State(out.read().decode("ascii", "replace"))
    check(state.error is None, f"the probe: {state.error}")
    return state


def xdo(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=30)


def screenshot():
    subprocess.run(["import", "-window", "root", os.path.join(WORK, TEST + ".png")],
                   check=True, timeout=30)


class Server:
    """The pages folder on a free loopback port."""

    def __init__(self):
        port_file = os.path.join(WORK, "port")
        if os.path.exists(port_file):
            os.remove(port_file)
        self.process = subprocess.Popen(
            [sys.executable, os.path.join(ROOT, "tools", "demo", "serve.py"), PAGES, port_file, "300"])
        port = wait_for("the page server", lambda: os.path.exists(port_file) and open(port_file).read(),
                        bool, seconds=5, step=0.05)
        self.base = f"http://127.0.0.1:{port}/"

    def stop(self):
        self.process.kill()
        self.process.wait(timeout=10)


def free_refused_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Program:
    def __init__(self, env=None):
        self.process = subprocess.Popen([WINE_RUN, PROGRAM], env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.state = wait_for("the window", probe, lambda s: s.window is not None, seconds=30, step=0.2)
        left, top, right, bottom = self.state.window
        self.field = (left + 250, bottom - 30)
        self.button = (left + 40, bottom - 30)

    def click(self, x, y):
        # Let the pointer arrive before the press, and keep clicks further
        # apart than the double-click time, so that each is a single click.
        xdo("mousemove", str(x), str(y))
        time.sleep(0.15)
        xdo("click", "1")
        time.sleep(0.6)

    def type_address(self, address):
        self.click(*self.field)
        time.sleep(0.2)
        xdo("key", "End", "shift+Home", "BackSpace")
        if address:
            xdo("type", "--delay", "15", address)

    def search(self, address, expected, press=None):
        """Types the address, starts the search and waits until the list
        has grown by the expected entries and the title counts them."""
        before = probe().items
        self.type_address(address)
        if press is None:
            self.click(*self.button)
        else:
            press()
        title = f"找到约{len(expected)}条"
        state = wait_for(f"{title} for {address!r}", probe,
                         lambda s: s.title == title and len(s.items) >= len(before) + len(expected),
                         seconds=30)
        time.sleep(0.3)
        state = probe()
        check(state.title == title, f"{address}: title {state.title!r}, expected {title!r}")
        check(state.items == expected + before,
              f"{address}: list differs from the expected entries on top of the earlier ones:\n"
              + diff(state.items, expected + before))
        check(state.toplevel == 1, f"{address}: the program shows {state.toplevel} windows")
        return state

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()


def diff(got, want):
    lines = [f"  got {len(got)} entries, expected {len(want)}"]
    for i in range(max(len(got), len(want))):
        g = got[i] if i < len(got) else None
        w = want[i] if i < len(want) else None
        if g != w:
            lines.append(f"  first difference at row {i}: got {g!r}, expected {w!r}")
            break
    return "\n".join(lines)


def expected_for(name):
    with open(os.path.join(PAGES, name), "rb") as f:
        return expected_links.links(f.read())


def prepare_pages():
    os.makedirs(PAGES, exist_ok=True)
    for name, body in FIXTURES.items():
        with open(os.path.join(PAGES, name), "wb") as f:
            f.write(body)
    for name, source in DEBIAN_PAGES.items():
        check(os.path.exists(source), f"{source} is missing: tools/lib/deps.sh installs it")
        shutil.copyfile(source, os.path.join(PAGES, name))


def tab_to(control_id, what, pause):
    """Presses Tab until the control with that platform id has the focus."""
    for _ in range(4):
        if probe().focus == control_id:
            break
        xdo("key", "Tab")
        time.sleep(pause)
    check(probe().focus == control_id, f"Tab did not reach {what}")


def browser_stand_in(name):
    """An xdg-open first in PATH that records what reaches the browser:
    the environment for the program and a reader of the records."""
    record = os.path.join(WORK, name + "-opened.txt")
    bin_dir = os.path.join(WORK, name + "-browser")
    os.makedirs(bin_dir, exist_ok=True)
    with open(os.path.join(bin_dir, "xdg-open"), "w") as f:
        f.write(f"#!/bin/sh\nprintf '%s\\n' \"$1\" >> '{record}'\n")
    os.chmod(os.path.join(bin_dir, "xdg-open"), 0o755)
    if os.path.exists(record):
        os.remove(record)

    def records():
        if not os.path.exists(record):
            return []
        with open(record, "rb") as f:
            return f.read().splitlines()

    return dict(os.environ, PATH=bin_dir + os.pathsep + os.environ["PATH"]), records


def test_start_and_keys(server):
    """A fresh start, Tab and Shift+Tab, Space on the button, Esc."""
    program = Program()
    # The window shows before the focus has settled on the button.
    state = wait_for("the focus on the button", probe, lambda s: s.focus == 100, seconds=10)
    left, top, right, bottom = state.window
    check((left, top) == ((1920 - 483) // 2, (1080 - 381) // 2) and (right - left, bottom - top) == (483, 381),
          f"window at {state.window}, expected 483x381 centred")
    check(state.title == "", f"caption {state.title!r} at the start")
    check(state.focus == 100, f"focus on {state.focus} at the start, expected the button")
    check(state.items == [], "entries at the start")
    screenshot()

    def press_and_read(key):
        xdo("key", key)
        return wait_for(f"focus after {key}", probe, lambda s: s.focus in (100, 110, 120), seconds=5).focus

    def cycle(key):
        seen = []
        for _ in range(3):
            previous = seen[-1] if seen else 100
            focus = press_and_read(key)
            if focus == previous:  # the key may not have arrived yet
                time.sleep(0.3)
                focus = probe().focus
            seen.append(focus)
        return seen

    forward = cycle("Tab")
    check(sorted(forward) == [100, 110, 120] and forward[-1] == 100, f"Tab visits {forward}")
    backward = cycle("shift+Tab")
    check(backward == forward[-2::-1] + [100], f"Shift+Tab visits {backward}, Tab visited {forward}")

    def space_on_button():
        tab_to(100, "the button", pause=0.2)
        xdo("key", "space")

    program.search(server.base + "one.html", expected_for("one.html"), press=space_on_button)
    xdo("key", "Escape")
    try:
        code = program.process.wait(timeout=15)
    except subprocess.TimeoutExpired:
        program.stop()
        raise Failure("Esc did not close the program")
    check(code == 0, f"exit code {code} after Esc")


def test_search_pages(server):
    """Several searches in one run, fixtures and foreign pages, and
    addresses that fail; each search's entries go above the earlier ones."""
    program = Program()
    try:
        one = expected_for("one.html")
        edges = expected_for("edges.html")
        check(edges[0] == b"http://after-gbk/" and b"//before-the-first-marker" in edges[-1],
              "the expectation script misreads the edges page")
        program.search(server.base + "edges.html", edges)
        refused = f"http://127.0.0.1:{free_refused_port()}/x.html"
        for failing in [refused, "ftp://127.0.0.1/", ""]:
            program.search(failing, [])
            program.search(server.base + "one.html", one)
        for name in DEBIAN_PAGES:
            state = program.search(server.base + name, expected_for(name))
        check(state.columns == [360], f"columns {state.columns} after the searches")
        screenshot()
    finally:
        program.stop()


def test_open_links(server):
    """Clicks on entries: web addresses reach the browser as expected,
    everything else not at all."""
    env, records = browser_stand_in(TEST)
    program = Program(env)
    try:
        entries = expected_for("open.html")
        state = program.search(server.base + "open.html", entries)
        safe = [i for i, e in enumerate(entries) if browser_address(e) is not None]
        check(len(safe) == 3, "the open page should hold three web addresses")
        want = []
        # Each unsafe click is followed by a safe one: once that arrives the
        # unsafe one had its chance, ShellExecuteA runs in order.
        order = [i for i in range(len(entries)) if i not in safe] + safe
        for n, row in enumerate(order):
            check(row in state.labels, f"no rectangle for row {row}")
            left, top, right, bottom = state.labels[row]
            program.click(left + 6, (top + bottom) // 2)
            if browser_address(entries[row]) is None:
                follow = safe[n % len(safe)]
                left, top, right, bottom = state.labels[follow]
                program.click(left + 6, (top + bottom) // 2)
                row = follow
            want.append(browser_address(entries[row]))
            wait_for(f"the browser to get {want[-1]!r}", records, lambda r: len(r) >= len(want), seconds=15)
            time.sleep(0.2)
        time.sleep(1.0)
        check(records() == want, f"the browser got {records()}, expected {want}")
        after = probe()
        check(after.items == entries and after.toplevel == 1, "the list or the windows changed by the clicks")
        screenshot()
    finally:
        program.stop()


def test_tools_run(_server):
    """tools/run without a display shows its demonstration, with the
    program of this build (a test must not rebuild the tree it runs from)."""
    shot = os.path.join(ROOT, "build", "run", "screenshot.png")
    start = time.time()
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "LF_WINEPREFIX", "WINEPREFIX")}
    env["LF_RUN_BUILD"] = BUILD
    run = subprocess.run([os.path.join(ROOT, "tools", "run")], env=env, capture_output=True, timeout=240)
    out = run.stdout.decode("utf-8", "replace")
    check(run.returncode == 0, f"tools/run failed ({run.returncode}):\n{out}{run.stderr.decode(errors='replace')}")
    check("title:   找到约" in out, f"no title in the demonstration's output:\n{out}")
    check(os.path.exists(shot) and os.path.getmtime(shot) >= start - 1, "no new build/run/screenshot.png")
    shutil.copyfile(shot, os.path.join(WORK, TEST + ".png"))


TESTS = {
    "start_and_keys": test_start_and_keys,
    "search_pages": test_search_pages,
    "open_links": test_open_links,
    "tools_run": test_tools_run,
}


# Copying and saving the links, and the wait cursor: the real clipboard,
# the real save dialog and the pointer as another program sees it.

import contextlib  # noqa: E402
import http.server  # noqa: E402
import threading  # noqa: E402

LINKS_FIRST = gbk('<a href="http://例子.测试/路径?查询=值">中文</a> <a href="//ascii.example/a">a</a>')
LINKS_SECOND = b'<a href="https://second.example/1">1</a> <a href="http://second.example/2">2</a>'


def write_pages(pages):
    for name, body in pages.items():
        with open(os.path.join(PAGES, name), "wb") as f:
            f.write(body)


def clipboard():
    """The X clipboard, which is Wine's, as UTF-8 text."""
    out = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, timeout=10)
    return out.stdout.decode("utf-8", "replace")


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def wait_toplevel(count, what):
    return wait_for(what, probe, lambda s: s.toplevel == count, seconds=10)


def open_menu(program, row, state):
    """Right-clicks the row's text and waits for the menu."""
    left, top, right, bottom = state.labels[row]
    xdo("mousemove", str(left + 6), str((top + bottom) // 2))
    time.sleep(0.15)
    xdo("click", "3")
    wait_toplevel(2, "the menu")
    time.sleep(0.3)


def focus_list_row(row):
    """Tab to the list, then the arrow keys to the row: a selection that
    raises no click."""
    tab_to(110, "the list", pause=0.3)
    xdo("key", "Home")
    for _ in range(row):
        xdo("key", "Down")
    time.sleep(0.3)


def test_copy_links(server):
    """Ctrl+C on a GBK entry, the menu from the mouse and the keyboard,
    复制全部网址 after two searches; none of it clicks or changes the list."""
    write_pages({"links-first.html": LINKS_FIRST, "links-second.html": LINKS_SECOND})
    env, opened = browser_stand_in(TEST)
    program = Program(env)
    try:
        first = expected_for("links-first.html")
        program.search(server.base + "links-first.html", first)
        state = program.search(server.base + "links-second.html", expected_for("links-second.html"))
        rows = state.items
        gbk_row = rows.index(first[-1])
        check(first[-1].decode("gbk").startswith("http://例子"), f"the GBK entry is {first[-1]!r}")

        focus_list_row(gbk_row)
        xdo("key", "ctrl+c")
        wait_for("the GBK entry on the clipboard", clipboard, lambda text: text == rows[gbk_row].decode("gbk"))

        xdo("key", "ctrl+Insert")  # the same entry once more, by the other key
        time.sleep(0.3)
        check(clipboard() == rows[gbk_row].decode("gbk"), "Ctrl+Insert changed what Ctrl+C copied")

        # The menu key and Shift+F10 open the menu for the selected entry; Esc leaves it.
        for keys in (["Menu"], ["shift+F10"]):
            xdo("key", *keys)
            wait_toplevel(2, f"the menu from {keys}")
            xdo("key", "Escape")
            wait_toplevel(1, f"the menu from {keys} to close")

        # A right click opens the menu and clicks nothing; Esc leaves it.
        state = probe()
        open_menu(program, 0, state)
        xdo("key", "Escape")
        wait_toplevel(1, "the menu to close")
        time.sleep(0.5)
        check(opened() == [], f"a right click reached the browser: {opened()}")

        # 复制全部网址 is the second item.
        open_menu(program, 1, state)
        xdo("key", "Down", "Down", "Return")
        want = "".join(row.decode("gbk") + "\r\n" for row in rows)
        got = wait_for("every entry on the clipboard", clipboard,
                       lambda text: text.replace("\r\n", "\n") == want.replace("\r\n", "\n"))
        check(got.splitlines() == [row.decode("gbk") for row in rows], f"copied {got!r}")

        after = probe()
        check(after.items == rows, "copying changed the list")
        check(after.toplevel == 1 and after.title == state.title, "copying changed the window")
        time.sleep(0.5)
        check(opened() == [], f"copying reached the browser: {opened()}")
        screenshot()
    finally:
        program.stop()


def save_through_dialog(program, path):
    """保存全部网址… from the menu of the top row, the path typed into the
    save dialog."""
    open_menu(program, 0, probe())
    xdo("key", "Up", "Return")  # the last item
    wait_toplevel(2, "the save dialog")
    time.sleep(1.0)
    xdo("key", "End", "shift+Home", "BackSpace")
    xdo("type", "--delay", "15", path)
    xdo("key", "Return")


def test_save_links(server):
    """保存全部网址… through the real dialog writes the list in GBK, byte for
    byte, and replaces an older file after asking; a folder that cannot be
    written gives the box that names the file and leaves no file."""
    write_pages({"links-first.html": LINKS_FIRST, "links-second.html": LINKS_SECOND})
    folder = os.path.join(WORK, "saved")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    target = os.path.join(folder, "links.txt")
    program = Program()
    try:
        program.search(server.base + "links-first.html", expected_for("links-first.html"))
        rows = program.search(server.base + "links-second.html", expected_for("links-second.html")).items
        want = b"".join(row + b"\r\n" for row in rows)

        save_through_dialog(program, windows_path(target))
        wait_toplevel(1, "the dialog to close")
        wait_for("the saved file", lambda: os.path.exists(target) and open(target, "rb").read(),
                 lambda data: data == want, seconds=10)
        check(os.listdir(folder) == ["links.txt"], f"the folder holds {os.listdir(folder)}")

        # Saving again over it: the dialog asks first; yes replaces it whole.
        with open(target, "wb") as f:
            f.write(b"an older and much longer file than the list" * 10)
        save_through_dialog(program, windows_path(target))
        time.sleep(1.0)
        check(probe().toplevel >= 2, "no question before replacing the file")
        xdo("key", "alt+y")
        wait_toplevel(1, "the question and the dialog to close")
        wait_for("the replaced file", lambda: open(target, "rb").read(), lambda data: data == want, seconds=10)
        check(os.listdir(folder) == ["links.txt"], f"the folder holds {os.listdir(folder)}")

        with unwritable_folder() as locked:
            unwritable = os.path.join(locked, "links.txt")
            save_through_dialog(program, windows_path(unwritable))
            check_failed_save(unwritable, rows)
    finally:
        program.stop()


@contextlib.contextmanager
def unwritable_folder():
    """A folder that takes no new file: a read-only file system for root,
    whom permissions do not stop, else one without write permission."""
    folder = os.path.join(WORK, "read-only")
    os.makedirs(folder, exist_ok=True)
    if os.geteuid() == 0:
        subprocess.run(["mount", "-t", "tmpfs", "-o", "ro,size=64k", "lf-read-only", folder], check=True, timeout=10)
        try:
            yield folder
        finally:
            subprocess.run(["umount", folder], timeout=10)
    else:
        os.chmod(folder, 0o555)
        try:
            yield folder
        finally:
            os.chmod(folder, 0o755)


def check_failed_save(unwritable, rows):
    """The box titled 保存全部网址 is shown, no file is left, the list stays."""
    box = wait_for("the box of the failed save",
                   lambda: subprocess.run(["xdotool", "search", "--name", "^保存全部网址$"],
                                          capture_output=True, timeout=10).stdout.split(),
                   bool, seconds=10)
    check(len(box) == 1, f"{len(box)} boxes titled 保存全部网址")
    screenshot()
    check(os.listdir(os.path.dirname(unwritable)) == [], "a file in the folder that cannot be written")
    xdo("key", "Return")
    wait_toplevel(1, "the box to close")
    check(probe().items == rows, "saving changed the list")


class SlowPages:
    """A loopback server that answers /NAME after two seconds with the page
    and /drop/NAME after two seconds with nothing at all."""

    def __init__(self, pages):
        class Handler(http.server.BaseHTTPRequestHandler):
            def log_message(self, *args):
                pass

            def do_GET(self):
                time.sleep(2)
                if self.path.startswith("/drop/"):
                    self.close_connection = True
                    return
                body = pages.get(self.path.lstrip("/"), b"")
                self.send_response(200)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.server.daemon_threads = True
        self.base = f"http://127.0.0.1:{self.server.server_address[1]}/"
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        timer = threading.Timer(120, self.server.shutdown)
        timer.daemon = True
        timer.start()

    def stop(self):
        self.server.shutdown()


def cursor():
    """The handle of the pointer shown, in the program's own numbering."""
    with open(os.path.join(WORK, "cursor.txt"), "w+b") as out:
        subprocess.run([WINE_RUN, PROBE, "cursor"], stdin=subprocess.DEVNULL, stdout=out,
                       stderr=subprocess.DEVNULL, timeout=30)
        out.seek(0)
        words = out.read().decode("ascii", "replace").split()
    return words[1] if len(words) == 2 and words[0] == "cursor" and words[1] != "0" else None


def test_wait_cursor(_server):
    """While a slow page downloads the pointer is another than the arrow
    over the button; once the title is written it is the arrow again, also
    after a download that fails."""
    slow = SlowPages({"slow.html": b'<a href="//slow.example/1">1</a>'})
    program = Program()
    try:
        for path, count in (("slow.html", 1), ("drop/slow.html", 0)):
            program.type_address(slow.base + path)
            xdo("mousemove", str(program.button[0]), str(program.button[1]))
            time.sleep(0.3)
            arrow = wait_for("the pointer", cursor, bool, seconds=10)
            xdo("click", "1")
            started = time.monotonic()
            during = []
            for _ in range(40):
                if time.monotonic() - started > 1.7:
                    break
                during.append(cursor())
            check(any(c not in (None, arrow) for c in during), f"{path}: the pointer stayed {arrow}: {during}")
            wait_for(f"the title after {path}", probe, lambda s: s.title == f"找到约{count}条", seconds=15)
            after = cursor()
            check(after == arrow, f"{path}: after the search the pointer is {after}, before it was {arrow}")
            time.sleep(0.6)
    finally:
        program.stop()
        slow.stop()


TESTS.update({"copy_links": test_copy_links, "save_links": test_save_links, "wait_cursor": test_wait_cursor})


def main():
    os.makedirs(WORK, exist_ok=True)
    started = time.monotonic()
    server = None
    try:
        if TEST != "tools_run":
            prepare_pages()
            server = Server()
        TESTS[TEST](server)
    except Failure as failure:
        try:
            subprocess.run(["import", "-window", "root", os.path.join(WORK, TEST + "-failed.png")], timeout=30)
        except Exception:
            pass
        print(f"FAIL {TEST}: {failure}")
        return 1
    finally:
        if server:
            server.stop()
    print(f"ok {TEST} ({time.monotonic() - started:.1f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
