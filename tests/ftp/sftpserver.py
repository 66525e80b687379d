#!/usr/bin/python3
"""A local SFTP server for the tests and benchmarks, on 127.0.0.1.

Serves a folder as the user's home (the log-in folder; the folder above it
can be reached too). Listens on a free port, prints "ready <port>" once it
accepts connections, and ends when its standard input closes. Each
password it is given is logged as a line "password" to the log file.

  sftpserver.py --root DIR --host-key FILE --log FILE [--user U --password P]
                [--authorized-key FILE] [--drop-upload-after BYTES]
"""

import argparse
import asyncio
import os
import sys
import threading
import warnings

warnings.filterwarnings("ignore")  # the library's notes on old ciphers
import asyncssh  # noqa: E402


def end_with_stdin():
    def watch():
        sys.stdin.buffer.read()
        os._exit(0)
    threading.Thread(target=watch, daemon=True).start()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--root", required=True)
    parser.add_argument("--host-key", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--user", default="user")
    parser.add_argument("--password", default="secret")
    parser.add_argument("--authorized-key")
    parser.add_argument("--drop-upload-after", type=int, default=0,
                        help="cut the connection once an upload has written this much")
    options = parser.parse_args()
    end_with_stdin()
    home = os.path.realpath(options.root)

    class Server(asyncssh.SSHServer):
        def begin_auth(self, username):
            return True

        def password_auth_supported(self):
            return True

        def validate_password(self, username, password):
            with open(options.log, "a") as log:
                log.write("password\n")
            return username == options.user and password == options.password

    class Files(asyncssh.SFTPServer):
        """The root folder's parent is the top; the log-in folder is root."""

        def __init__(self, channel):
            super().__init__(channel, chroot=os.path.dirname(home))
            self._written = 0

        def realpath(self, path):
            if path in (b"", b"."):
                path = b"/" + os.path.basename(home).encode()
            return super().realpath(path)

        def write(self, file_obj, offset, data):
            self._written += len(data)
            if options.drop_upload_after and self._written > options.drop_upload_after:
                self.channel.get_connection().abort()
                return None
            return super().write(file_obj, offset, data)

    async def start():
        keys = None
        if options.authorized_key:
            keys = asyncssh.read_authorized_keys(options.authorized_key)
        server = await asyncssh.listen(
            "127.0.0.1", 0, server_factory=Server, server_host_keys=[options.host_key],
            authorized_client_keys=keys, sftp_factory=Files, allow_scp=False)
        sys.stdout.write("ready %d\n" % server.sockets[0].getsockname()[1])
        sys.stdout.flush()

    loop = asyncio.new_event_loop()
    loop.run_until_complete(start())
    loop.run_forever()


if __name__ == "__main__":
    main()
