#!/usr/bin/env python3
"""Wall seconds of one run of a command whose standard output is read here and thrown away.

The output goes to a pipe this script empties itself, so nothing but the command runs between
the two clock readings: no `cat` at the other end of the pipe. A pipe rather than /dev/null
because GNU grep stops at its first match when its output is /dev/null. The command's standard
error is left as it is. Prints the seconds from before the start to after the wait; a command that
fails prints no time and this script exits with its status (128 + the signal that ended it).
"""

import subprocess
import sys
import time

CHUNK = 1 << 16  # a whole Linux pipe buffer per read


def main() -> int:
    if len(sys.argv) < 2:
        print("usage: bench/time_command.py COMMAND [ARG...]", file=sys.stderr)
        return 2
    buffer = bytearray(CHUNK)
    start = time.perf_counter()
    try:
        process = subprocess.Popen(sys.argv[1:], stdout=subprocess.PIPE, bufsize=0)
    except OSError as error:
        print(f"time_command: cannot run {sys.argv[1]}: {error.strerror}", file=sys.stderr)
        return 127
    with process:
        while process.stdout.readinto(buffer):
            pass
        status = process.wait()
    seconds = time.perf_counter() - start
    if status != 0:
        print(f"time_command: {sys.argv[1]} exited with status {status}", file=sys.stderr)
        return status if status > 0 else 128 - status
    print(f"{seconds:.6f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
