#!/usr/bin/env python3
"""A long run of random actions on one toolkit: time per action and memory over time.

    soak.py BUILD_DIR --toolkit headless --actions 1000000 --sessions 10

Each session is one endless random script fed to quorvel-replay in chunks. After each
chunk the script asks for a marker line and waits for it, so the time of the chunk is
known, and the process's resident memory is read. The report compares the start of
each session with its end: time per action and peak resident memory.
"""

import argparse
import os
import subprocess
import sys
import threading
import time

MARKER = "call Wertberechnung 7"


def rss_kib(pid, field):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def feed(pipe, text):
    pipe.write(text)
    pipe.flush()


def soak(build, toolkit, seed, actions, chunks):
    script = subprocess.run([os.path.join(build, "quorvel-random-script"), str(seed), str(actions), "--endless"],
                            capture_output=True, check=True, text=True).stdout.splitlines()[1:]
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    proc = subprocess.Popen([os.path.join(build, "quorvel-replay"), "--toolkit", toolkit, "-"],
                            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                            text=True, env=env, bufsize=1)
    per_chunk = max(1, len(script) // chunks)
    rows = []
    for start in range(0, len(script), per_chunk):
        chunk = script[start:start + per_chunk]
        began = time.monotonic()
        # Written from a thread of its own: the runner's answers fill the other pipe
        # while the chunk is still going in.
        writer = threading.Thread(target=feed, args=(proc.stdin, "\n".join(chunk) + "\n" + MARKER + "\n"))
        writer.start()
        for line in proc.stdout:
            if line.startswith(MARKER):
                break
        else:
            raise RuntimeError(f"{toolkit} ended early in seed {seed}")
        writer.join()
        took = time.monotonic() - began
        rows.append((len(chunk), took, rss_kib(proc.pid, "VmRSS"), rss_kib(proc.pid, "VmHWM")))
    proc.stdin.close()
    proc.wait()
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build")
    parser.add_argument("--toolkit", default="headless", choices=("headless", "qt"))
    parser.add_argument("--actions", type=int, default=1000000, help="actions in all sessions together")
    parser.add_argument("--sessions", type=int, default=10)
    parser.add_argument("--chunks", type=int, default=20, help="measuring points per session")
    args = parser.parse_args()
    per_session = args.actions // args.sessions
    print(f"soak on the {args.toolkit} toolkit: {args.sessions} sessions of {per_session} actions")
    print("session  first chunk us/action  last chunk us/action  RSS after first  RSS at end  peak RSS")
    for seed in range(1, args.sessions + 1):
        rows = soak(args.build, args.toolkit, 9000 + seed, per_session, args.chunks)
        first, last = rows[0], rows[-1]
        print(f"{seed:7d}  {first[1] / first[0] * 1e6:22.1f}  {last[1] / last[0] * 1e6:20.1f}  "
              f"{first[2] / 1024:11.1f} MiB  {last[2] / 1024:6.1f} MiB  {last[3] / 1024:5.1f} MiB", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
