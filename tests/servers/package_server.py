#!/usr/bin/env python3
"""Package download server for the download and end-to-end tests.

Command line:
    package_server.py --root DIR --port-file FILE [--port N] [--idle-timeout SECONDS]
                      [--max-lifetime SECONDS]

Listens on 127.0.0.1 on port N (default 0: an ephemeral port) and writes the port number to FILE once it
accepts connections (FILE is replaced atomically and removed again on exit). It stops
on a stop request, after --idle-timeout seconds without a request (default 60) and
after --max-lifetime seconds in any case (default 900).

Addresses (NAME is a file directly inside DIR):
    /software/NAME      302 to /<md5>/NAME, <md5> being the MD5 of the file's content
    /redirect/N/REST    302 to /redirect/N-1/REST; /redirect/0/REST is 302 to /REST (N <= 20)
    /A/B/.../NAME       the file NAME; the folders before it are free (a digest folder,
                        a short folder, none at all)
Files answer HEAD and GET, with a single byte range ("bytes=A-B", "bytes=A-",
"bytes=-N") answered 206, a range starting at or past the end answered 416, and an
inverted range ignored (200 with the whole file). HTTP/1.0: one request per connection.

Control requests (GET; answered 200 "ok" unless stated; never logged):
    /__control/fault?path=P&kind=K[&amount=N][&after=N][&method=M][&range_start=S][&times=T]
        Adds a fault for requests whose path is exactly P, optionally only with method M
        (HEAD or GET) and only for ranges starting at byte S. It applies to the next T
        matching requests (default 1; -1: all). Faults are tried in the order added; the
        first one that matches and has uses left applies. Kinds:
          close_after  send the headers and the first N body bytes, then close
          stall        send the headers and `after` body bytes (default 0, less than the
                       body), send nothing for N milliseconds (at most 30000), then the rest
          status       answer with status N and an empty body
          overrun      answer a range with N more bytes than it asked for, as far as the
                       file goes (the headers announce the longer body)
          short        answer with N fewer bytes than asked for (the headers announce the
                       shorter body)
          throttle     send the body at N bytes per second
          wrong_md5    on /software/NAME: redirect to a folder holding a wrong digest
    /__control/requests
        The request log: one line "METHOD<TAB>PATH<TAB>RANGE" per request, oldest first
        (RANGE is the Range header, empty when there is none).
    /__control/reset    clears the faults and the request log
    /__control/stop     stops the server
"""

import argparse
import hashlib
import os
import re
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

CHUNK = 64 * 1024
MAX_STALL_MS = 30000
MAX_REDIRECTS = 20


class Fault:
    def __init__(self, query):
        self.path = query["path"]
        self.kind = query["kind"]
        self.amount = int(query.get("amount", "0"))
        self.after = int(query.get("after", "0"))
        self.method = query.get("method", "")
        self.range_start = int(query["range_start"]) if "range_start" in query else None
        self.times = int(query.get("times", "1"))

    def matches(self, method, path, range_start):
        if self.times == 0 or self.path != path:
            return False
        if self.method and self.method != method:
            return False
        return self.range_start is None or self.range_start == range_start


class State:
    def __init__(self, root):
        self.root = root
        self.lock = threading.Lock()
        self.faults = []
        self.requests = []
        self.digests = {}
        self.last_activity = time.monotonic()

    def touch(self):
        with self.lock:
            self.last_activity = time.monotonic()

    def record(self, method, path, range_header):
        with self.lock:
            self.requests.append("%s\t%s\t%s" % (method, path, range_header or ""))

    def take_fault(self, method, path, range_start):
        with self.lock:
            for fault in self.faults:
                if fault.matches(method, path, range_start):
                    if fault.times > 0:
                        fault.times -= 1
                    return fault
        return None

    def md5_of(self, file_path):
        stat = os.stat(file_path)
        key = (file_path, stat.st_size, stat.st_mtime_ns)
        with self.lock:
            if key in self.digests:
                return self.digests[key]
        digest = hashlib.md5()
        with open(file_path, "rb") as source:
            for block in iter(lambda: source.read(1024 * 1024), b""):
                digest.update(block)
        with self.lock:
            self.digests[key] = digest.hexdigest()
        return digest.hexdigest()


def parse_range(header, size):
    """(first, last) for a satisfiable single range, "unsatisfiable", or None (ignore)."""
    match = re.fullmatch(r"bytes=(\d*)-(\d*)", (header or "").strip())
    if not match or (not match.group(1) and not match.group(2)):
        return None
    if not match.group(1):
        suffix = int(match.group(2))
        return (max(0, size - suffix), size - 1) if suffix > 0 else "unsatisfiable"
    first = int(match.group(1))
    last = int(match.group(2)) if match.group(2) else max(first, size - 1)
    if last < first:
        return None
    if first >= size:
        return "unsatisfiable"
    return first, min(last, size - 1)


class Handler(BaseHTTPRequestHandler):
    server_version = "QuilloraPackageServer/1.0"

    def log_message(self, *args):
        pass

    def do_HEAD(self):
        self.handle_request(send_body=False)

    def do_GET(self):
        self.handle_request(send_body=True)

    @property
    def state(self):
        return self.server.state

    def handle_request(self, send_body):
        self.state.touch()
        url = urllib.parse.urlsplit(self.path)
        if url.path.startswith("/__control/"):
            self.control(url)
            return
        range_header = self.headers.get("Range")
        self.state.record(self.command, url.path, range_header)
        range_match = re.match(r"bytes=(\d+)-", range_header or "")
        range_start = int(range_match.group(1)) if range_match else None
        fault = self.state.take_fault(self.command, url.path, range_start)
        if fault and fault.kind == "status":
            self.send_empty(fault.amount)
            return
        segments = [s for s in url.path.split("/") if s]
        if len(segments) >= 3 and segments[0] == "redirect":
            self.redirect_chain(segments)
        elif len(segments) == 2 and segments[0] == "software":
            self.redirect_to_digest(segments[1], fault)
        elif segments:
            self.serve_file(segments[-1], send_body, fault)
        else:
            self.send_empty(404)

    def control(self, url):
        query = dict(urllib.parse.parse_qsl(url.query))
        command = url.path[len("/__control/"):]
        body = "ok"
        with self.state.lock:
            if command == "fault":
                self.state.faults.append(Fault(query))
            elif command == "requests":
                body = "".join(line + "\n" for line in self.state.requests)
            elif command == "reset":
                self.state.faults.clear()
                self.state.requests.clear()
            elif command == "stop":
                threading.Thread(target=self.server.shutdown, daemon=True).start()
            else:
                body = None
        if body is None:
            self.send_empty(404)
            return
        data = body.encode("utf-8")
        self.send_response(200)
        self.send_header("Content-Type", "text/plain; charset=utf-8")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def send_empty(self, status):
        self.send_response(status)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def send_redirect(self, location):
        self.send_response(302)
        self.send_header("Location", location)
        self.send_header("Content-Length", "0")
        self.end_headers()

    def redirect_chain(self, segments):
        count = min(int(segments[1]) if segments[1].isdigit() else 0, MAX_REDIRECTS)
        rest = "/".join(segments[2:])
        self.send_redirect("/redirect/%d/%s" % (count - 1, rest) if count > 0 else "/" + rest)

    def redirect_to_digest(self, name, fault):
        file_path = os.path.join(self.state.root, name)
        if not os.path.isfile(file_path):
            self.send_empty(404)
            return
        digest = self.state.md5_of(file_path)
        if fault and fault.kind == "wrong_md5":
            digest = hashlib.md5(digest.encode("ascii")).hexdigest()
        self.send_redirect("/%s/%s" % (digest, urllib.parse.quote(name)))

    def serve_file(self, name, send_body, fault):
        file_path = os.path.join(self.state.root, urllib.parse.unquote(name))
        if not os.path.isfile(file_path):
            self.send_empty(404)
            return
        size = os.path.getsize(file_path)
        byte_range = parse_range(self.headers.get("Range"), size)
        if byte_range == "unsatisfiable":
            self.send_response(416)
            self.send_header("Content-Range", "bytes */%d" % size)
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        first, last = byte_range if byte_range else (0, size - 1)
        if fault and fault.kind == "overrun":
            last = min(last + fault.amount, size - 1) if byte_range else last
        if fault and fault.kind == "short":
            last = max(first - 1, last - fault.amount)
        length = last - first + 1
        self.send_response(206 if byte_range else 200)
        if byte_range:
            self.send_header("Content-Range", "bytes %d-%d/%d" % (first, byte_range[1], size))
        self.send_header("Content-Type", "application/octet-stream")
        self.send_header("Content-Length", str(length))
        self.send_header("Accept-Ranges", "bytes")
        self.end_headers()
        if send_body:
            self.send_body(file_path, first, length, fault)

    def send_body(self, file_path, first, length, fault):
        kind = fault.kind if fault else ""
        end = min(fault.amount, length) if kind == "close_after" else length
        stall_at = fault.after if kind == "stall" else None
        rate = fault.amount if kind == "throttle" and fault.amount > 0 else None
        chunk_size = max(1, rate // 10) if rate else CHUNK
        sent = 0
        with open(file_path, "rb") as source:
            source.seek(first)
            while sent < end:
                if stall_at is not None and sent >= stall_at:
                    self.wfile.flush()
                    time.sleep(min(fault.amount, MAX_STALL_MS) / 1000.0)
                    stall_at = None
                step = min(chunk_size, end - sent)
                if stall_at is not None:
                    step = min(step, stall_at - sent)
                data = source.read(step)
                if not data:
                    break
                self.wfile.write(data)
                sent += len(data)
                self.state.touch()
                if rate:
                    self.wfile.flush()
                    time.sleep(len(data) / rate)
        self.close_connection = True


class PackageServer(ThreadingHTTPServer):
    daemon_threads = True

    allow_reuse_address = True

    def __init__(self, root, port):
        super().__init__(("127.0.0.1", port), Handler)
        self.state = State(root)


def watch(server, idle_timeout, max_lifetime, stopped):
    started = time.monotonic()
    while not stopped.wait(0.5):
        now = time.monotonic()
        with server.state.lock:
            idle = now - server.state.last_activity
        if idle > idle_timeout or now - started > max_lifetime:
            server.shutdown()
            return


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--idle-timeout", type=float, default=60.0)
    parser.add_argument("--max-lifetime", type=float, default=900.0)
    args = parser.parse_args()

    server = PackageServer(os.path.abspath(args.root), args.port)
    stopped = threading.Event()
    watcher = threading.Thread(
        target=watch, args=(server, args.idle_timeout, args.max_lifetime, stopped), daemon=True)
    watcher.start()
    temporary = args.port_file + ".tmp"
    with open(temporary, "w") as port_file:
        port_file.write(str(server.server_address[1]))
    os.replace(temporary, args.port_file)
    try:
        server.serve_forever(poll_interval=0.2)
    finally:
        stopped.set()
        server.server_close()
        if os.path.exists(args.port_file):
            os.remove(args.port_file)


if __name__ == "__main__":
    main()
