#!/usr/bin/env python3
"""usage: x_relay_that_ends.py LISTEN SERVER first-request|icc-profile

An X server that ends at a chosen moment: it takes one client on display :LISTEN, relays its
requests to the X server on display :SERVER and the answers back, and closes both connections
when the client sends its first request after the connection setup (as Xlib opens the display),
or when it asks for the screen's ICC profile (GetProperty of type CARDINAL, 8192 long), which
Qt's X11 plug-in does as it sets up its screens. Prints "listening" once it takes clients.
"""
import select
import socket
import struct
import sys

GET_PROPERTY = 20
CARDINAL = 6


def is_icc_profile(request):
    if request[0] != GET_PROPERTY:
        return False
    kind, _, length = struct.unpack_from("<III", request, 12)
    return kind == CARDINAL and length == 8192


def main():
    listen_number, server_number, moment = sys.argv[1], sys.argv[2], sys.argv[3]
    listener = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    listener.bind(f"/tmp/.X11-unix/X{listen_number}")
    listener.listen(1)
    print("listening", flush=True)
    client, _ = listener.accept()
    server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    server.connect(f"/tmp/.X11-unix/X{server_number}")

    pending = b""
    setup_done = False
    while True:
        readable, _, _ = select.select([client, server], [], [])
        if server in readable:
            answer = server.recv(65536)
            if not answer:
                break
            client.sendall(answer)
        if client not in readable:
            continue
        data = client.recv(65536)
        if not data:
            break
        pending += data
        # The connection setup, then requests, each relayed once it is whole. Only clients that
        # send little-endian, as every x86 client does, are read.
        while True:
            if not setup_done:
                if len(pending) < 12:
                    break
                name_length, data_length = struct.unpack_from("<HH", pending, 6)
                size = 12 + (name_length + 3) // 4 * 4 + (data_length + 3) // 4 * 4
            else:
                if len(pending) < 4:
                    break
                (units,) = struct.unpack_from("<H", pending, 2)
                if units == 0:  # BIG-REQUESTS: the length follows
                    if len(pending) < 8:
                        break
                    (units,) = struct.unpack_from("<I", pending, 4)
                size = units * 4
            if len(pending) < size:
                break
            if setup_done and (moment == "first-request" or is_icc_profile(pending)):
                client.close()
                server.close()
                return
            server.sendall(pending[:size])
            pending = pending[size:]
            setup_done = True

main()
