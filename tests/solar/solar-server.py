#!/usr/bin/env python3
"""A local stand-in for the solar data server, for the tests only.

solar-server.py ROOT PORTFILE: serves the files under ROOT on 127.0.0.1 at a free
port, written to PORTFILE once the server listens. The first part of a path picks
what comes back; the rest names a file of ROOT/good:
  /good/... /newer/... /objects/...  the recorded files of that folder
  /status500/...   HTTP 500
  /truncated/...   the first half of the good file
  /malformed/...   an HTML error page instead of JSON
  /empty/...       an empty JSON array
  /huge/...        9 MiB of JSON-looking bytes (above the 8 MiB limit)
  /cut/...         a Content-Length of the whole good file, then half of it
  /nan/...         the good file with every number replaced by NaN
  /silent/...      no answer for 60 seconds (a server that hangs)
  /daily-MODE/..., /outlook-MODE/...  the daily flux file, or the 27-day outlook,
                   as MODE (one of the above) gives it; every other file good
  /requests        how many requests the server has had so far (a number)
"""
import http.server
import os
import re
import sys
import threading
import time

root = sys.argv[1]
requests = 0
requests_lock = threading.Lock()
special_files = {"daily": "f107_cm_flux.json", "outlook": "27-day-outlook.txt"}


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def send(self, status, body, length=None):
        self.send_response(status)
        self.send_header("Content-Type", "application/json")
        self.send_header("Content-Length", str(len(body) if length is None else length))
        self.end_headers()
        try:
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client stopped reading (the huge file)

    def do_GET(self):
        global requests
        if self.path == "/requests":
            with requests_lock:
                return self.send(200, str(requests).encode())
        with requests_lock:
            requests += 1
        parts = self.path.split("/", 2)
        kind, rest = (parts[1], parts[2]) if len(parts) == 3 else ("", "")
        good = os.path.join(root, "good", rest)
        special = kind.split("-", 1)
        if len(special) == 2 and special[0] in special_files:
            kind = special[1] if rest.endswith(special_files[special[0]]) else "good"
        if kind == "silent":
            time.sleep(60)
            return
        if kind in ("good", "newer", "objects"):
            path = os.path.join(root, kind, rest)
            if os.path.isfile(path):
                with open(path, "rb") as f:
                    return self.send(200, f.read())
            return self.send(404, b"Not found")
        if kind == "status500":
            return self.send(500, b"Internal Server Error")
        if kind == "malformed":
            return self.send(200, b"<html><body>Service unavailable</body></html>")
        if kind == "empty":
            return self.send(200, b"[]")
        if kind == "huge":
            row = b'{"time_tag":"2026-12-08T20:00:00","flux":152.3},'
            return self.send(200, b"[" + row * (9 * 1024 * 1024 // len(row)) + b"{}]")
        if kind == "nan" and os.path.isfile(good):
            with open(good, "rb") as f:
                body = re.sub(rb'(?<=: )-?[0-9]+\.?[0-9]*|(?<=")-?[0-9]+\.[0-9]+(?=")', b"NaN",
                              f.read())
            return self.send(200, body)
        if kind in ("truncated", "cut") and os.path.isfile(good):
            with open(good, "rb") as f:
                body = f.read()
            if kind == "truncated":
                return self.send(200, body[: len(body) // 2])
            self.send(200, body[: len(body) // 2], length=len(body))
            self.close_connection = True
            return
        return self.send(404, b"Not found")


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
with open(sys.argv[2] + ".tmp", "w") as f:
    f.write(str(server.server_address[1]))
os.rename(sys.argv[2] + ".tmp", sys.argv[2])
server.serve_forever()
