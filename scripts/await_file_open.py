#!/usr/bin/env python3
"""await_file_open.py FILE SECONDS

Watches FILE (through a symbolic link, its target); prints "watching" once the watch is set, then
"opened" as soon as a program opens it, and ends; ends with 1 after SECONDS without an open. A
test starts it before the program, waits for the first line, then for the second: the program has
gone for its input, on an event rather than after a guessed time."""
import ctypes
import os
import select
import sys

IN_OPEN = 0x20

libc = ctypes.CDLL(None, use_errno=True)
path, seconds = sys.argv[1], float(sys.argv[2])
watch = libc.inotify_init1(os.O_CLOEXEC)
if watch < 0 or libc.inotify_add_watch(watch, os.fsencode(path), IN_OPEN) < 0:
    sys.exit(f"await_file_open.py: cannot watch {path}: {os.strerror(ctypes.get_errno())}")
print("watching", flush=True)
if not select.select([watch], [], [], seconds)[0]:
    sys.exit(1)
print("opened", flush=True)
