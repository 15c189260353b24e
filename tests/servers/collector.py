#!/usr/bin/env python3
"""A stand-in for the usage-analytics collector, for tests (Python 3, stdlib only).

It listens on 127.0.0.1 on an ephemeral port, takes the analytics POSTs
(body "data_list=" + URL-encoded Base64 of a gzip of a JSON array of records
+ "&gzip=1"), undoes the URL encoding, the Base64 and the gzip, parses the
JSON strictly and keeps the records for the test to fetch.

Command line:
    collector.py --port-file PATH [--idle-timeout SECONDS] [--hang-seconds SECONDS]

    --port-file     the port is written there (atomically) once the server listens
    --idle-timeout  the server stops by itself after this long without any
                    request (default 60, at most 600)
    --hang-seconds  how long a "hang" answer waits before closing the connection
                    without a reply (default 6: past the SDK's 3-second time-out)

Every request whose path does not start with "/_" is a collector POST (any path,
so "/sa?project=pc" works). How it is answered depends on the mode:
    ok    decode, keep the records, answer 200 (a body that cannot be decoded
          gets 400 and keeps nothing)
    fail  decode, keep nothing, answer 500
    hang  keep nothing, answer nothing until --hang-seconds pass (or the
          server stops), then close the connection

Control requests (GET, answered with 200 and a JSON body):
    /_records           all records of the POSTs answered 200, in arrival order
    /_requests          one entry per collector POST, in arrival order:
                        {"path", "query", "user_agent", "content_type",
                         "body" (the raw body text), "records" (count, or null
                         when undecodable), "mode", "status", "error"}
    /_reset             forgets records and requests; mode back to "ok"
    /_mode?default=M    mode of every later POST (ok, fail or hang)
    /_mode?next=M1,M2   modes of the next POSTs, one each, before the default
                        applies again (both keys may be given together)
    /_stop              stops the server (hanging answers end at once)
"""

import argparse
import base64
import binascii
import gzip
import json
import os
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

MODES = ("ok", "fail", "hang")
MAX_IDLE_SECONDS = 600
MAX_BODY_BYTES = 16 * 1024 * 1024


class DecodeError(Exception):
    pass


def reject_constant(name):
    raise DecodeError("not JSON: " + name)


def decode_body(body):
    """The records of a request body, or DecodeError."""
    try:
        text = body.decode("ascii")
    except UnicodeDecodeError as error:
        raise DecodeError("body is not ASCII") from error
    fields = {}
    for pair in text.split("&"):
        key, sep, value = pair.partition("=")
        if not sep:
            raise DecodeError("field without '=': " + pair[:40])
        fields[key] = value
    if "data_list" not in fields:
        raise DecodeError("no data_list field")
    # unquote, not unquote_plus: a raw "+" would be a client bug, not a space.
    encoded = urllib.parse.unquote(fields["data_list"], errors="strict")
    try:
        data = base64.b64decode(encoded, validate=True)
    except binascii.Error as error:
        raise DecodeError("bad Base64: %s" % error) from error
    if fields.get("gzip") == "1":
        try:
            data = gzip.decompress(data)
        except (OSError, EOFError) as error:
            raise DecodeError("bad gzip: %s" % error) from error
    try:
        records = json.loads(data.decode("utf-8"), parse_constant=reject_constant)
    except (UnicodeDecodeError, ValueError) as error:
        raise DecodeError("bad JSON: %s" % error) from error
    if not isinstance(records, list) or not all(isinstance(r, dict) for r in records):
        raise DecodeError("not an array of objects")
    return records


class CollectorState:
    def __init__(self):
        self.lock = threading.Lock()
        self.records = []
        self.requests = []
        self.default_mode = "ok"
        self.next_modes = []
        self.last_activity = time.monotonic()
        self.stopping = threading.Event()

    def touch(self):
        with self.lock:
            self.last_activity = time.monotonic()

    def take_mode(self):
        with self.lock:
            return self.next_modes.pop(0) if self.next_modes else self.default_mode


class Handler(BaseHTTPRequestHandler):
    # HTTP/1.1 so that libcurl's "Expect: 100-continue" is answered at once.
    protocol_version = "HTTP/1.1"
    server_version = "QuilloraCollector/1"

    def log_message(self, fmt, *args):
        pass

    @property
    def state(self):
        return self.server.state

    def send_json(self, status, payload):
        data = json.dumps(payload, ensure_ascii=False).encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", "application/json; charset=utf-8")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def do_GET(self):
        self.state.touch()
        url = urllib.parse.urlsplit(self.path)
        if not url.path.startswith("/_"):
            self.send_json(405, {"error": "the collector takes POST"})
            return
        query = urllib.parse.parse_qs(url.query)
        handlers = {
            "/_records": self.control_records,
            "/_requests": self.control_requests,
            "/_reset": self.control_reset,
            "/_mode": self.control_mode,
            "/_stop": self.control_stop,
        }
        handler = handlers.get(url.path)
        if handler is None:
            self.send_json(404, {"error": "unknown control " + url.path})
            return
        handler(query)

    def control_records(self, _query):
        with self.state.lock:
            records = list(self.state.records)
        self.send_json(200, records)

    def control_requests(self, _query):
        with self.state.lock:
            requests = list(self.state.requests)
        self.send_json(200, requests)

    def control_reset(self, _query):
        with self.state.lock:
            self.state.records.clear()
            self.state.requests.clear()
            self.state.default_mode = "ok"
            self.state.next_modes.clear()
        self.send_json(200, {"ok": True})

    def control_mode(self, query):
        default = query.get("default", [None])[0]
        upcoming = query.get("next", [""])[0]
        upcoming = [m for m in upcoming.split(",") if m]
        if (default is not None and default not in MODES) or any(m not in MODES for m in upcoming):
            self.send_json(400, {"error": "modes are " + ", ".join(MODES)})
            return
        with self.state.lock:
            if default is not None:
                self.state.default_mode = default
            self.state.next_modes = upcoming
        self.send_json(200, {"ok": True})

    def control_stop(self, _query):
        self.send_json(200, {"ok": True})
        self.state.stopping.set()

    def do_POST(self):
        self.state.touch()
        url = urllib.parse.urlsplit(self.path)
        length = int(self.headers.get("Content-Length") or 0)
        if length < 0 or length > MAX_BODY_BYTES:
            self.send_json(413, {"error": "body too large"})
            return
        body = self.rfile.read(length)
        mode = self.state.take_mode()
        entry = {
            "path": url.path,
            "query": url.query,
            "user_agent": self.headers.get("User-Agent", ""),
            "content_type": self.headers.get("Content-Type", ""),
            "body": body.decode("latin-1"),
            "records": None,
            "mode": mode,
            "status": None,
            "error": "",
        }
        if mode == "hang":
            with self.state.lock:
                self.state.requests.append(entry)
            self.state.stopping.wait(self.server.hang_seconds)
            self.close_connection = True
            return
        records = []
        try:
            records = decode_body(body)
            entry["records"] = len(records)
            status = 200 if mode == "ok" else 500
        except DecodeError as error:
            entry["error"] = str(error)
            status = 400
        entry["status"] = status
        with self.state.lock:
            self.state.requests.append(entry)
            if status == 200:
                self.state.records.extend(records)
        self.send_json(status, {"status": status, "error": entry["error"]})


def stop_when_idle_or_asked(server, idle_timeout):
    state = server.state
    while not state.stopping.wait(0.2):
        with state.lock:
            idle = time.monotonic() - state.last_activity
        if idle > idle_timeout:
            state.stopping.set()
    server.shutdown()


def write_port_file(path, port):
    temporary = path + ".tmp"
    with open(temporary, "w", encoding="ascii") as file:
        file.write(str(port))
    os.replace(temporary, path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--idle-timeout", type=float, default=60.0)
    parser.add_argument("--hang-seconds", type=float, default=6.0)
    args = parser.parse_args()

    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    server.state = CollectorState()
    server.hang_seconds = max(0.0, min(args.hang_seconds, 60.0))
    watcher = threading.Thread(
        target=stop_when_idle_or_asked,
        args=(server, max(1.0, min(args.idle_timeout, MAX_IDLE_SECONDS))),
        daemon=True)
    watcher.start()
    write_port_file(args.port_file, server.server_address[1])
    server.serve_forever(poll_interval=0.1)
    server.server_close()


if __name__ == "__main__":
    main()
