#!/usr/bin/python3
"""A local FTP server for the tests and benchmarks, on 127.0.0.1.

Listens on a free port, prints "ready <port>" once it accepts connections,
and ends when its standard input closes (so it never outlives the program
that started it).

  ftpserver.py --root DIR [--user U --password P] [--perm PERMS]
               [--tls] [--drop-after BYTES | --stall-after BYTES]
               [--drop-upload-after BYTES | --stall-upload-after BYTES]
               [--idle-timeout SECONDS]
               [--refuse-binary] [--silent]
"""

import argparse
import logging
import os
import socket
import subprocess
import sys
import tempfile
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.filesystems import AbstractedFS
from pyftpdlib.handlers import FTPHandler, TLS_DTPHandler, TLS_FTPHandler
from pyftpdlib.servers import FTPServer


def end_with_stdin():
    def watch():
        sys.stdin.buffer.read()
        os._exit(0)
    threading.Thread(target=watch, daemon=True).start()


def ready(port):
    sys.stdout.write("ready %d\n" % port)
    sys.stdout.flush()


def self_signed_certificate(folder):
    path = os.path.join(folder, "server.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                    "-keyout", path, "-out", path, "-subj", "/CN=127.0.0.1"],
                   check=True, capture_output=True)
    return path


class FailingFile:
    """A file being sent that, after `limit` bytes, takes the whole server
    down (a host that loses its connection in mid-transfer) or stops it
    dead (a host that hangs)."""

    def __init__(self, file, limit, how):
        self._file = file
        self._left = limit
        self._how = how

    def read(self, size=-1):
        if self._left <= 0:
            if self._how == "drop":
                os._exit(0)
            threading.Event().wait()
        data = self._file.read(size)
        self._left -= len(data)
        return data

    def __getattr__(self, name):
        return getattr(self._file, name)


class EarlyTLSDataHandler(TLS_DTPHandler):
    """Takes the TLS handshake that a client starts on a data connection
    before it sends the transfer command (curl does), which the stock
    handler mistakes for a closed connection."""

    def readable(self):
        if self._ssl_accepting or self._ssl_want_read:
            return True
        if not self._initialized and not self.receive:
            return False
        return super().readable()


def failing_filesystem(limit, how):
    class FailingFS(AbstractedFS):
        def open(self, filename, mode):
            file = super().open(filename, mode)
            return FailingFile(file, limit, how) if "r" in mode else file
    return FailingFS


def dropping_upload_handler(base, limit):
    """Takes `limit` bytes of an upload, then drops the whole session, as
    a line that breaks in mid-transfer does; the server goes on."""
    class DroppingDTPHandler(base):
        def handle_read(self):
            super().handle_read()
            if self.receive and self.tot_bytes_received >= limit:
                self.cmd_channel.close()
        handle_read_event = handle_read
    return DroppingDTPHandler


def stalling_upload_handler(base, limit):
    """Stops reading an upload after `limit` bytes, as a hung host does,
    while it goes on serving every other connection."""
    class StallingDTPHandler(base):
        def readable(self):
            if self.receive and self.tot_bytes_received >= limit:
                return False
            return super().readable()
    return StallingDTPHandler


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--user", default="user")
    parser.add_argument("--password", default="secret")
    parser.add_argument("--perm", default="elradfmwMT")
    parser.add_argument("--tls", action="store_true",
                        help="require TLS on the control and data connections")
    parser.add_argument("--drop-after", type=int, default=0)
    parser.add_argument("--stall-after", type=int, default=0)
    parser.add_argument("--drop-upload-after", type=int, default=0)
    parser.add_argument("--stall-upload-after", type=int, default=0)
    parser.add_argument("--idle-timeout", type=int, default=0,
                        help="close a control connection idle this long")
    parser.add_argument("--refuse-binary", action="store_true")
    parser.add_argument("--silent", action="store_true",
                        help="take connections but never answer")
    options = parser.parse_args()
    logging.basicConfig(level=logging.WARNING)
    end_with_stdin()

    if options.silent:
        listener = socket.socket()
        listener.bind(("127.0.0.1", 0))
        listener.listen(16)
        ready(listener.getsockname()[1])
        threading.Event().wait()

    handler = TLS_FTPHandler if options.tls else FTPHandler
    if options.tls:
        handler.certfile = self_signed_certificate(tempfile.mkdtemp())
        handler.tls_control_required = True
        handler.tls_data_required = True
        handler.dtp_handler = EarlyTLSDataHandler
    for limit, how in ((options.drop_after, "drop"), (options.stall_after, "stall")):
        if limit:
            handler.use_sendfile = False
            handler.abstracted_fs = failing_filesystem(limit, how)
    if options.drop_upload_after:
        handler.dtp_handler = dropping_upload_handler(handler.dtp_handler, options.drop_upload_after)
    if options.stall_upload_after:
        handler.dtp_handler = stalling_upload_handler(handler.dtp_handler, options.stall_upload_after)
    if options.idle_timeout:
        handler.timeout = options.idle_timeout
    if options.refuse_binary:
        plain_type = handler.ftp_TYPE

        def ftp_TYPE(self, line):
            if line.strip().upper() == "I":
                self.respond('504 Unsupported type "%s".' % line)
            else:
                plain_type(self, line)
        handler.ftp_TYPE = ftp_TYPE

    authorizer = DummyAuthorizer()
    authorizer.add_user(options.user, options.password, options.root, perm=options.perm)
    handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", 0), handler)
    ready(server.address[1])
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
