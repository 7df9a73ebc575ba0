#!/usr/bin/env python3
"""await_file_read.py FILE SECONDS

Watches FILE; prints "watching" once the watch is set, then "read" as soon as a program has read
it (closed it after opening it only to read), and ends; ends with 1 after SECONDS without a read.
A test starts it before the program, waits for the first line, then for the second: the program
has read its input, on an event rather than after a guessed time."""
import ctypes
import os
import select
import sys

IN_CLOSE_NOWRITE = 0x10

libc = ctypes.CDLL(None, use_errno=True)
path, seconds = sys.argv[1], float(sys.argv[2])
watch = libc.inotify_init1(os.O_CLOEXEC)
if watch < 0 or libc.inotify_add_watch(watch, os.fsencode(path), IN_CLOSE_NOWRITE) < 0:
    sys.exit(f"await_file_read.py: cannot watch {path}: {os.strerror(ctypes.get_errno())}")
print("watching", flush=True)
if not select.select([watch], [], [], seconds)[0]:
    sys.exit(1)
print("read", flush=True)
