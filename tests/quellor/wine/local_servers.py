"""Servers on 127.0.0.1 that play the maker's web server, well or badly."""

import contextlib
import http.server
import socket
import threading
import time

VERSION_FILE_PATH = "/download/update.ver"


class VersionFileServer:
    """Serves one version file (bytes) at the version file path, optionally after a delay.

    Any other path gets a 404 error page. Records (path, user agent) of every request.
    """

    def __init__(self):
        self.body = b""
        self.delay_seconds = 0.0
        self.requests = []
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                server.requests.append((self.path, self.headers.get("User-Agent")))
                time.sleep(server.delay_seconds)
                if self.path == VERSION_FILE_PATH:
                    self.send_response(200)
                    body = server.body
                else:
                    self.send_response(404)
                    body = b"<html><body>Not Found</body></html>"
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self._httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self._httpd.daemon_threads = True
        self.port = self._httpd.server_address[1]
        self._thread = threading.Thread(target=self._httpd.serve_forever, daemon=True)

    def url(self, path=VERSION_FILE_PATH):
        return f"http://127.0.0.1:{self.port}{path}"

    def __enter__(self):
        self._thread.start()
        return self

    def __exit__(self, *exc):
        self._httpd.shutdown()
        self._httpd.server_close()


class SilentServer:
    """Accepts connections and never answers, until release() drops them all."""

    def __init__(self):
        self._listener = socket.create_server(("127.0.0.1", 0))
        self.port = self._listener.getsockname()[1]
        self._connections = []
        self._released = threading.Event()
        self._thread = threading.Thread(target=self._accept, daemon=True)

    def url(self):
        return f"http://127.0.0.1:{self.port}{VERSION_FILE_PATH}"

    def _accept(self):
        self._listener.settimeout(0.2)
        while not self._released.is_set():
            try:
                connection, _ = self._listener.accept()
                self._connections.append(connection)
            except socket.timeout:
                pass

    def release(self):
        self._released.set()
        self._thread.join()
        for connection in self._connections:
            connection.close()
        self._listener.close()

    def __enter__(self):
        self._thread.start()
        return self

    def __exit__(self, *exc):
        if not self._released.is_set():
            self.release()


@contextlib.contextmanager
def refused_port():
    """A port on 127.0.0.1 that refuses connections: bound, never listening."""
    with socket.socket() as bound:
        bound.bind(("127.0.0.1", 0))
        yield bound.getsockname()[1]
