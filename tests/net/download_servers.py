#!/usr/bin/env python3
"""Loopback servers for the download tests, around one command:

    download_servers.py COMMAND [ARGS...]

Starts a plain http server, https servers with a trusted, an expired, a
wrong-host and an untrusted certificate (made now by openssl, from a test CA
made now), a server for the CRLs the certificates point at, and finds a port
that refuses connections. Runs COMMAND with their ports in the environment,
stops the servers and exits with COMMAND's status.

Every connection to a recorded server leaves a file NNNNNN-SERVER.conn in the
record directory, made when it is accepted and holding the raw request bytes
received on it. Everything listens on 127.0.0.1; every loop and wait is
bounded in time and count.
"""

import datetime
import os
import pathlib
import re
import select
import socket
import ssl
import subprocess
import sys
import tempfile
import threading
import time

LIFETIME = 570  # seconds the servers live at most
COMMAND_TIMEOUT = 540
SOCKET_TIMEOUT = 10
MAX_CONNECTIONS = 4000
MAX_REQUEST = 65536
LOOP_LIMIT = 100  # redirections the loop answers before it hangs up

PATTERN = bytes(range(251)) * 4096  # about 1 MB; the body of i bytes is its cycle


def pattern(size):
    whole, rest = divmod(size, len(PATTERN))
    return PATTERN * whole + PATTERN[:rest]


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


class Recorder:
    def __init__(self, directory):
        self.directory = directory
        self.lock = threading.Lock()
        self.sequence = 0

    def open(self, server):
        with self.lock:
            self.sequence += 1
            name = "%06d-%s.conn" % (self.sequence, server)
        return open(self.directory / name, "wb", buffering=0)


class Server:
    def __init__(self, name, handler, recorder=None, context=None):
        self.name = name
        self.handler = handler
        self.recorder = recorder
        self.context = context
        self.socket = socket.socket()
        self.socket.bind(("127.0.0.1", 0))
        self.socket.listen(64)
        self.port = self.socket.getsockname()[1]
        self.stopping = threading.Event()
        self.threads = []

    def start(self, deadline):
        thread = threading.Thread(target=self.accept_loop, args=(deadline,), daemon=True)
        thread.start()
        self.threads.append(thread)

    def accept_loop(self, deadline):
        accepted = 0
        while not self.stopping.is_set() and time.monotonic() < deadline and accepted < MAX_CONNECTIONS:
            ready, _, _ = select.select([self.socket], [], [], 0.2)
            if not ready:
                continue
            connection, _ = self.socket.accept()
            accepted += 1
            thread = threading.Thread(target=self.serve, args=(connection,), daemon=True)
            thread.start()
            self.threads.append(thread)
        self.socket.close()

    def serve(self, connection):
        record = self.recorder.open(self.name) if self.recorder else None
        try:
            connection.settimeout(SOCKET_TIMEOUT)
            if self.context is not None:
                connection = self.context.wrap_socket(connection, server_side=True)
            request = b""
            while b"\r\n\r\n" not in request and len(request) < MAX_REQUEST:
                data = connection.recv(4096)
                if not data:
                    break
                request += data
                if record:
                    record.write(data)
            if b"\r\n\r\n" in request:
                self.handler(connection, request)
        except (OSError, ssl.SSLError):
            pass
        finally:
            if record:
                record.close()
            try:
                connection.close()
            except OSError:
                pass

    def stop(self):
        self.stopping.set()
        for thread in self.threads:
            thread.join(timeout=2)


def response(connection, status, body=b"", headers=(), length=True, version="HTTP/1.0"):
    reasons = {200: "OK", 301: "Moved Permanently", 302: "Found", 401: "Unauthorized", 404: "Not Found",
               500: "Internal Server Error"}
    head = "%s %d %s\r\nConnection: close\r\n" % (version, status, reasons.get(status, "Status"))
    for header in headers:
        head += header + "\r\n"
    if length:
        head += "Content-Length: %d\r\n" % len(body)
    connection.sendall(head.encode() + b"\r\n" + body)


class PageHandler:
    """The server behaviours, chosen by the request's path."""

    def __init__(self):
        self.loop_hits = 0
        self.lock = threading.Lock()

    def __call__(self, connection, request):
        target = request.split(b" ", 2)[1].decode("latin-1")
        path = target.split("?", 1)[0]
        parts = path.strip("/").split("/")
        if parts[0] == "len":
            response(connection, 200, pattern(int(parts[1])))
        elif parts[0] == "nolen":
            response(connection, 200, pattern(int(parts[1])), length=False)
        elif parts[0] == "zero":
            response(connection, 200, b"")
        elif parts[0] == "status":
            code = int(parts[1])
            response(connection, code, b"the body of a %d page" % code)
        elif parts[0] == "redirect":
            response(connection, int(parts[1]), b"moved", headers=["Location: /final"])
        elif parts[0] == "final":
            response(connection, 200, b"the final body")
        elif parts[0] == "loop":
            with self.lock:
                self.loop_hits += 1
                hits = self.loop_hits
            if hits <= LOOP_LIMIT:
                response(connection, 302, b"around again", headers=["Location: /loop"])
        elif parts[0] == "short":
            # Announces 1000 bytes, sends 300, hangs up.
            connection.sendall(b"HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n" + pattern(300))
        elif parts[0] == "chunked-cut":
            connection.sendall(b"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
                               + b"10\r\n" + pattern(16) + b"\r\n" + b"100\r\n" + pattern(256)[16:56])
        elif parts[0] == "auth":
            if re.search(rb"\r\nAuthorization: Basic dXNlcjpwYXNz\r\n", request, re.I):
                response(connection, 200, b"welcome")
            else:
                response(connection, 401, b"who are you", headers=['WWW-Authenticate: Basic realm="lf"'])
        else:
            response(connection, 200, b"the page")


HOSTILE_HOLD = 60  # seconds a silent or stalling answer waits at most for the client to give up
TRICKLE_LINKS = 40
TRICKLE_GAP = 0.5
ENDLESS_LIMIT = 1 << 30  # bytes an endless body sends at most: past the cap of the real download


def hold_until_closed(connection):
    """Sends nothing more; returns once the client hangs up or the hold is over."""
    end = time.monotonic() + HOSTILE_HOLD
    while time.monotonic() < end:
        try:
            if not connection.recv(4096):
                return
        except socket.timeout:
            continue


class HostileHandler:
    """Servers that do not play by the rules, chosen by the request's path."""

    def __call__(self, connection, request):
        path = request.split(b" ", 2)[1].decode("latin-1").split("?", 1)[0]
        if path == "/silent":
            hold_until_closed(connection)
        elif path == "/stall":
            connection.sendall(b"HTTP/1.0 200 OK\r\nConnection: close\r\n\r\n" + pattern(25000))
            hold_until_closed(connection)
        elif path == "/trickle":
            connection.sendall(b"HTTP/1.0 200 OK\r\nConnection: close\r\n\r\n")
            for i in range(TRICKLE_LINKS):
                time.sleep(TRICKLE_GAP)
                connection.sendall(b'<a href="//t/%d">' % i)
        elif path == "/endless":
            connection.sendall(b"HTTP/1.0 200 OK\r\nConnection: close\r\n\r\n")
            sent = 0
            while sent < ENDLESS_LIMIT:  # PATTERN is whole cycles: the bytes run on without a seam
                connection.sendall(PATTERN)
                sent += len(PATTERN)
        else:
            response(connection, 404, b"")


class FileHandler:
    def __init__(self, files):
        self.files = files

    def __call__(self, connection, request):
        path = request.split(b" ", 2)[1].decode("latin-1")
        if path in self.files:
            response(connection, 200, self.files[path], headers=["Content-Type: application/pkix-crl"])
        else:
            response(connection, 404, b"")


def openssl(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=60)


def make_ca(directory, name, common_name):
    ca = directory / name
    ca.mkdir()
    (ca / "index.txt").write_text("")
    (ca / "serial").write_text("1000\n")
    (ca / "crlnumber").write_text("1000\n")
    (ca / "ca.cnf").write_text(
        "[ca]\ndefault_ca = test_ca\n"
        "[test_ca]\ndir = %s\ndatabase = $dir/index.txt\nnew_certs_dir = $dir\nserial = $dir/serial\n"
        "crlnumber = $dir/crlnumber\ndefault_md = sha256\npolicy = any\ndefault_crl_days = 2\n"
        "unique_subject = no\ncopy_extensions = none\n"
        "[any]\ncommonName = supplied\n" % ca)
    openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "ca.key", "-out", "ca.pem", "-days", "3",
            "-subj", "/CN=" + common_name, "-addext", "basicConstraints=critical,CA:TRUE",
            "-addext", "keyUsage=critical,keyCertSign,cRLSign", cwd=ca)
    openssl("x509", "-in", "ca.pem", "-outform", "DER", "-out", "ca.der", cwd=ca)
    return ca


def sign(ca, directory, name, host, crl_url, start, end):
    ext = directory / (name + ".ext")
    ext.write_text("basicConstraints=CA:FALSE\nkeyUsage=digitalSignature,keyEncipherment\n"
                   "extendedKeyUsage=serverAuth\nsubjectAltName=DNS:%s,IP:127.0.0.1\n"
                   "crlDistributionPoints=URI:%s\n" % (host, crl_url)
                   if host == "127.0.0.1" else
                   "basicConstraints=CA:FALSE\nkeyUsage=digitalSignature,keyEncipherment\n"
                   "extendedKeyUsage=serverAuth\nsubjectAltName=DNS:%s\ncrlDistributionPoints=URI:%s\n"
                   % (host, crl_url))
    openssl("ca", "-config", str(ca / "ca.cnf"), "-batch", "-notext", "-in", str(directory / "leaf.csr"),
            "-out", str(directory / (name + ".pem")), "-subj", "/CN=" + host, "-extfile", str(ext),
            "-keyfile", str(ca / "ca.key"), "-cert", str(ca / "ca.pem"),
            "-startdate", start, "-enddate", end, cwd=directory)
    return directory / (name + ".pem")


def crl(ca):
    openssl("ca", "-config", str(ca / "ca.cnf"), "-gencrl", "-keyfile", str(ca / "ca.key"), "-cert",
            str(ca / "ca.pem"), "-out", str(ca / "crl.pem"), cwd=ca)
    openssl("crl", "-in", "crl.pem", "-outform", "DER", "-out", "crl.der", cwd=ca)
    return (ca / "crl.der").read_bytes()


def context_for(certificate, key):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(certificate, key)
    return context


def refused_port():
    probe = socket.socket()
    probe.bind(("127.0.0.1", 0))
    port = probe.getsockname()[1]
    probe.close()  # nothing listens there any more
    return port


def main():
    command = sys.argv[1:]
    if not command:
        sys.exit(__doc__)
    deadline = time.monotonic() + LIFETIME
    with tempfile.TemporaryDirectory(prefix="lf-download-") as temp:
        temp = pathlib.Path(temp)
        record = temp / "record"
        record.mkdir()
        recorder = Recorder(record)

        crl_files = {}
        crl_server = Server("crl", FileHandler(crl_files))
        crl_base = "http://127.0.0.1:%d" % crl_server.port
        ca = make_ca(temp, "ca", "linkfinder download test CA")
        other = make_ca(temp, "other", "linkfinder untrusted CA")
        openssl("req", "-new", "-newkey", "rsa:2048", "-nodes", "-keyout", "leaf.key", "-out", "leaf.csr",
                "-subj", "/CN=127.0.0.1", cwd=temp)
        now = datetime.datetime.now(datetime.timezone.utc)
        stamp = lambda t: t.strftime("%Y%m%d%H%M%SZ")
        valid = (stamp(now - datetime.timedelta(days=1)), stamp(now + datetime.timedelta(days=2)))
        past = (stamp(now - datetime.timedelta(days=30)), stamp(now - datetime.timedelta(days=20)))
        key = temp / "leaf.key"
        certificates = {
            "https": sign(ca, temp, "good", "127.0.0.1", crl_base + "/ca.crl", *valid),
            "https-expired": sign(ca, temp, "expired", "127.0.0.1", crl_base + "/ca.crl", *past),
            "https-wrong-host": sign(ca, temp, "wrong-host", "wrong.example", crl_base + "/ca.crl", *valid),
            "https-untrusted": sign(other, temp, "untrusted", "127.0.0.1", crl_base + "/other.crl", *valid),
        }
        crl_files["/ca.crl"] = crl(ca)
        crl_files["/other.crl"] = crl(other)

        handler = PageHandler()
        servers = [crl_server, Server("http", handler, recorder)]
        for name, certificate in certificates.items():
            servers.append(Server(name, handler, recorder, context_for(certificate, key)))
        servers.append(Server("hostile", HostileHandler()))
        for server in servers:
            server.start(deadline)

        env = dict(os.environ)
        for variable in ("http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "no_proxy", "NO_PROXY"):
            env.pop(variable, None)  # the platform would send loopback requests through them
        for server in servers[1:]:
            env["LF_TEST_%s_PORT" % server.name.upper().replace("-", "_")] = str(server.port)
        env["LF_TEST_REFUSED_PORT"] = str(refused_port())
        env["LF_TEST_CA"] = windows_path(ca / "ca.der")
        env["LF_TEST_RECORD_DIR"] = windows_path(record)
        try:
            status = subprocess.run(command, env=env, timeout=COMMAND_TIMEOUT).returncode
        except subprocess.TimeoutExpired:
            print("download_servers: the command did not end in %d s" % COMMAND_TIMEOUT, file=sys.stderr)
            status = 1
        finally:
            for server in servers:
                server.stop()
    sys.exit(status)


if __name__ == "__main__":
    main()
