#!/usr/bin/env python3
"""Loopback surroundings for the command tests, around one command:

    command_servers.py COMMAND [ARGS...]

Serves a fresh folder over http on 127.0.0.1 (the tests write their pages
into it; /slow/NAME answers with NAME after two seconds, /slow-drop/NAME
hangs up after two seconds), holds a port that refuses connections, and puts a stand-in
xdg-open first in PATH that appends its argument to a record file. Passes
the port numbers and the folder and file (as Windows paths) in the
environment and exits with COMMAND's status. Servers and COMMAND are
bounded in time.
"""

import functools
import http.server
import os
import pathlib
import socket
import subprocess
import sys
import tempfile
import threading
import time

LIFETIME = 300  # seconds the server lives at most
COMMAND_TIMEOUT = 280


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


SLOW_SECONDS = 2


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_GET(self):
        for prefix in ("/slow/", "/slow-drop/"):
            if self.path.startswith(prefix):
                time.sleep(SLOW_SECONDS)
                if prefix == "/slow-drop/":
                    self.close_connection = True
                    return
                self.path = "/" + self.path[len(prefix):]
        super().do_GET()


def main():
    with tempfile.TemporaryDirectory(prefix="lf-commands-") as temp:
        root = pathlib.Path(temp)
        pages = root / "pages"
        pages.mkdir()
        bin_dir = root / "bin"
        bin_dir.mkdir()
        record = root / "xdg-open.record"
        record.touch()
        stand_in = bin_dir / "xdg-open"
        stand_in.write_text('#!/bin/sh\nprintf \'%%s\\n\' "$1" >> "%s"\n' % record)
        stand_in.chmod(0o755)

        handler = functools.partial(QuietHandler, directory=str(pages))
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        server.daemon_threads = True
        threading.Thread(target=server.serve_forever, daemon=True).start()
        timer = threading.Timer(LIFETIME, server.shutdown)
        timer.daemon = True
        timer.start()

        # Bound and never listening: a connection to it is refused.
        refused = socket.socket()
        refused.bind(("127.0.0.1", 0))

        env = dict(os.environ)
        env["PATH"] = str(bin_dir) + os.pathsep + env.get("PATH", "")
        env["LF_TEST_PAGE_PORT"] = str(server.server_address[1])
        env["LF_TEST_PAGE_DIR"] = windows_path(pages)
        env["LF_TEST_REFUSED_PORT"] = str(refused.getsockname()[1])
        env["LF_TEST_SHELL_RECORD"] = windows_path(record)
        try:
            status = subprocess.run(sys.argv[1:], env=env, timeout=COMMAND_TIMEOUT).returncode
        except subprocess.TimeoutExpired:
            print("command_servers.py: the command ran out of time", file=sys.stderr)
            status = 1
        server.shutdown()
        refused.close()
        return status


if __name__ == "__main__":
    sys.exit(main())
