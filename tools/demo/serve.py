#!/usr/bin/env python3
"""Serves a folder on a free port of 127.0.0.1 and writes the port to a file.

    serve.py FOLDER PORT_FILE [SECONDS [PORT]]

It stops by itself after SECONDS (600 unless given). With PORT it takes
that port when it is free, and a free one otherwise.
"""
import functools
import http.server
import sys
import threading


def main():
    folder, port_file = sys.argv[1], sys.argv[2]
    seconds = float(sys.argv[3]) if len(sys.argv) > 3 else 600
    handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=folder)
    handler.log_message = lambda *args: None
    wanted = int(sys.argv[4]) if len(sys.argv) > 4 else 0
    try:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", wanted), handler)
    except OSError:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    with open(port_file, "w") as f:
        f.write(str(server.server_address[1]))
    threading.Timer(seconds, server.shutdown).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
