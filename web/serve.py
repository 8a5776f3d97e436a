#!/usr/bin/env python3
"""Serves Lorvane's site folder on localhost as a well-set web host would.

    web/serve.py SITE [PORT]

- A file with a .br or .gz copy beside it is sent as that copy, with
  Content-Encoding, to a browser that accepts it (brotli first), and with
  Vary: Accept-Encoding.
- lorvane.wasm is sent as application/wasm, which browsers need to compile it
  while it downloads.
- Every answer carries Cache-Control: no-cache: the browser keeps the files
  but asks each time whether they changed, so a new build is seen at once.
  The service worker keeps the site for offline play.
- Only files inside the folder are served; the compressed copies themselves
  and anything else are not listed.
"""

import email.utils
import http.server
import os
import sys
import urllib.parse

TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm',
    '.webmanifest': 'application/manifest+json',
    '.png': 'image/png',
    '.svg': 'image/svg+xml',
    '.rcc': 'application/octet-stream',
}
# The encodings the site has copies for, in the order they are preferred.
ENCODINGS = (('br', '.br'), ('gzip', '.gz'))


def accepted(header):
    """The encodings named in an Accept-Encoding header, without those
    refused with q=0."""
    names = set()
    for part in (header or '').split(','):
        fields = [f.strip() for f in part.split(';')]
        name = fields[0].lower()
        refused = any(f.replace(' ', '') in ('q=0', 'q=0.0', 'q=0.00', 'q=0.000')
                      for f in fields[1:])
        if name and not refused:
            names.add(name)
    return names


class SiteHandler(http.server.BaseHTTPRequestHandler):
    site = '.'
    server_version = 'LorvaneServe'
    protocol_version = 'HTTP/1.1'

    def log_message(self, fmt, *args):
        sys.stderr.write('%s %s\n' % (self.address_string(), fmt % args))

    def resolve(self):
        """The file the request's path names inside the site, or None."""
        path = self.path.split('?', 1)[0].split('#', 1)[0]
        path = urllib.parse.unquote(path)
        if path.endswith('/'):
            path += 'index.html'
        parts = [p for p in path.split('/') if p and p != '.']
        if any(p == '..' for p in parts):
            return None
        file = os.path.join(self.site, *parts)
        if not os.path.isfile(file) or file.endswith(('.br', '.gz')):
            return None
        return file

    def do_GET(self):
        self.answer(with_body=True)

    def do_HEAD(self):
        self.answer(with_body=False)

    def answer(self, with_body):
        file = self.resolve()
        if file is None:
            self.send_error(404, 'Not found')
            return
        encoding, sent = None, file
        wanted = accepted(self.headers.get('Accept-Encoding'))
        for name, suffix in ENCODINGS:
            if name in wanted and os.path.isfile(file + suffix):
                encoding, sent = name, file + suffix
                break
        stat = os.stat(sent)
        modified = email.utils.formatdate(stat.st_mtime, usegmt=True)
        tag = '"%x-%x%s"' % (int(stat.st_mtime), stat.st_size, '-' + encoding if encoding else '')
        if self.headers.get('If-None-Match') == tag:
            self.send_response(304)
            self.send_header('ETag', tag)
            self.send_header('Cache-Control', 'no-cache')
            self.end_headers()
            return
        self.send_response(200)
        self.send_header('Content-Type', TYPES.get(os.path.splitext(file)[1],
                                                   'application/octet-stream'))
        self.send_header('Content-Length', str(stat.st_size))
        if encoding:
            self.send_header('Content-Encoding', encoding)
        if any(os.path.isfile(file + suffix) for _, suffix in ENCODINGS):
            self.send_header('Vary', 'Accept-Encoding')
        self.send_header('Last-Modified', modified)
        self.send_header('ETag', tag)
        self.send_header('Cache-Control', 'no-cache')
        self.end_headers()
        if with_body:
            with open(sent, 'rb') as f:
                try:
                    while True:
                        piece = f.read(65536)
                        if not piece:
                            break
                        self.wfile.write(piece)
                except (BrokenPipeError, ConnectionResetError):
                    pass


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit('usage: serve.py SITE [PORT]')
    SiteHandler.site = os.path.abspath(sys.argv[1])
    port = int(sys.argv[2]) if len(sys.argv) == 3 else 8000
    server = http.server.ThreadingHTTPServer(('127.0.0.1', port), SiteHandler)
    print('Lorvane in the browser: http://127.0.0.1:%d/ (Ctrl+C stops)' % port, flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == '__main__':
    main()
