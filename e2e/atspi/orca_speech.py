#!/usr/bin/python3
"""Orca, the screen reader, with what it says written to a file as it says it.

orca_speech.py LOG [ORCA OPTIONS...]

Orca writes its debug log (every "SPEECH OUTPUT" among it) through a
buffered file, so a test would see the speech only once Orca ends; here the
file is opened line by line. Nothing else of Orca changes.
"""
import builtins
import runpy
import sys

log = sys.argv[1]
real_open = builtins.open


def open_by_lines(file, mode="r", *args, **kwargs):
    if file == log and "w" in mode:
        kwargs["buffering"] = 1
    return real_open(file, mode, *args, **kwargs)


builtins.open = open_by_lines
sys.argv = ["orca", "--debug-file=" + log] + sys.argv[2:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
