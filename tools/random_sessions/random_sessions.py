#!/usr/bin/env python3
"""Random sessions played on two toolkits, which must agree.

Each session is a script from quorvel-random-script for a seed. It is played by
quorvel-replay on the headless and on the Qt toolkit, or, with --windows, on the
headless toolkit of the native build and on the Win32 toolkit of the Windows build
under Wine; the session fails on any difference of the transcripts, a non-zero exit,
a crash or a timeout, or any output on standard error. A failing session is shortened
to the fewest lines that still fail the same way and printed with its seed, ready to
be replayed.

    random_sessions.py BUILD_DIR                     the fixed seeds and a few fresh ones
    random_sessions.py BUILD_DIR --sessions 2000     a larger run
    random_sessions.py BUILD_DIR --seed 17           one seed
    random_sessions.py BUILD_DIR --windows build-windows --sessions 100
"""

import argparse
import os
import random
import subprocess
import sys
import time

FIXED_SEEDS = list(range(1, 121))


WINE_RUN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "wine-run")
PLAYERS = {}


def players(build, windows):
    """The two runner commands, by toolkit name: headless against Qt or Win32."""
    native = [os.path.join(build, "quorvel-replay")]
    if windows:
        return {"headless": native + ["--toolkit", "headless"],
                "win32": [WINE_RUN, os.path.join(windows, "quorvel-replay.exe"), "--toolkit", "win32"]}
    return {"headless": native + ["--toolkit", "headless"], "qt": native + ["--toolkit", "qt"]}


def play(command, script, timeout):
    """(exit code or 'timeout', stdout, stderr) of one run."""
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    try:
        run = subprocess.run(command + ["-"], input=script.encode(), capture_output=True, timeout=timeout, env=env)
    except subprocess.TimeoutExpired:
        return "timeout", b"", b""
    return run.returncode, run.stdout, run.stderr


def verdict(build, script, timeout):
    """None when both toolkits agree and are quiet, else a short description."""
    results = {tk: play(command, script, timeout) for tk, command in PLAYERS.items()}
    for tk, (code, _, err) in results.items():
        if code != 0:
            return f"{tk} exited with {code}"
        if err:
            return f"{tk} wrote to standard error: {err.decode(errors='replace').splitlines()[0][:200]}"
    first, second = results.values()
    if first[1] != second[1]:
        return "the transcripts differ"
    return None


def shorten(build, lines, failure, timeout, budget):
    """Drops chunks of lines while the script still fails the same way."""
    deadline = time.monotonic() + budget
    chunk = max(1, len(lines) // 2)
    while chunk >= 1 and time.monotonic() < deadline:
        i = 0
        changed = False
        while i < len(lines) and time.monotonic() < deadline:
            trial = lines[:i] + lines[i + chunk:]
            if trial and verdict(build, "\n".join(trial) + "\n", timeout) == failure:
                lines = trial
                changed = True
            else:
                i += chunk
        if not changed:
            chunk //= 2
    return lines


def generate(build, seed, actions):
    return subprocess.run([os.path.join(build, "quorvel-random-script"), str(seed), str(actions)],
                          capture_output=True, check=True, text=True).stdout


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("build", help="the build directory with quorvel-replay and quorvel-random-script")
    parser.add_argument("--seed", type=int, action="append", help="play only these seeds")
    parser.add_argument("--sessions", type=int, default=0, help="fresh random seeds beyond the fixed ones")
    parser.add_argument("--fresh", type=int, default=5, help="fresh seeds added to the fixed list (default 5)")
    parser.add_argument("--fixed", type=int, default=len(FIXED_SEEDS), help="how many of the fixed seeds to play (default all)")
    parser.add_argument("--actions", type=int, default=150, help="actions per session (default 150)")
    parser.add_argument("--timeout", type=float, default=60, help="seconds one run may take")
    parser.add_argument("--shorten", type=float, default=60, help="seconds to spend shortening a failure")
    parser.add_argument("--windows", metavar="WINDOWS_BUILD_DIR",
                        help="play headless against the Win32 toolkit of this Windows build, under Wine")
    args = parser.parse_args()
    PLAYERS.update(players(args.build, args.windows))

    if args.seed:
        seeds = args.seed
    else:
        fresh = args.sessions if args.sessions else args.fresh
        seeds = FIXED_SEEDS[:args.fixed] + [random.randrange(10**6, 10**9) for _ in range(fresh)]
    failures = 0
    started = time.monotonic()
    for seed in seeds:
        script = generate(args.build, seed, args.actions)
        failure = verdict(args.build, script, args.timeout)
        if failure is None:
            continue
        failures += 1
        lines = shorten(args.build, script.splitlines()[1:], failure, args.timeout, args.shorten)
        print(f"seed {seed}: {failure}; shortened to {len(lines)} lines:", flush=True)
        print("\n".join("    " + line for line in lines), flush=True)
    took = time.monotonic() - started
    print(f"{len(seeds) - failures} passed, {failures} failed ({len(seeds)} sessions of {args.actions} actions, {took:.0f} s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
