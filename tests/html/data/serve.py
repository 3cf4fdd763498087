"""A small HTTP server for the browser tests, on 127.0.0.1 only.

Prints the port it listens on, then serves until its standard input is
closed, so it ends with the test process that started it, whatever way
that process ends.
"""
import http.server
import os
import sys
import threading
import time

PAGE = (b"<html><head><title>Served page</title></head><body>"
        b"<p><a href=\"one.html\">one</a> <a href=\"two.html\">two</a></p></body></html>")


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def reply(self, status, body, content_type="text/html; charset=utf-8", headers=()):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        path = self.path
        if path == "/page.html":
            self.reply(200, PAGE)
        elif path == "/latin1.html":
            body = "<html><head><title>Caf\xe9</title></head><body><p>\xe9t\xe9 \x80</p></body></html>"
            self.reply(200, body.encode("latin-1"), "text/html; charset=ISO-8859-1")
        elif path == "/redirect":
            self.reply(302, b"", headers=[("Location", "/page.html")])
        elif path == "/redirect-to-file":
            self.reply(302, b"", headers=[("Location", "file:///etc/hostname")])
        elif path == "/loop":
            self.reply(302, b"", headers=[("Location", "/loop")])
        elif path.startswith("/big/"):
            self.reply(200, b"<p>" + b"a" * int(path[5:]) + b"</p>")
        elif path == "/image.png":
            self.reply(200, b"\x89PNG\r\n", "image/png")
        elif path == "/slow":
            time.sleep(5)
            self.reply(200, b"<p>late</p>")
        else:
            self.reply(404, b"<html><body><h1>Not Found</h1></body></html>")


def main():
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)

    def watch():
        sys.stdin.read()
        os._exit(0)

    threading.Thread(target=watch, daemon=True).start()
    server.serve_forever()


if __name__ == "__main__":
    main()
