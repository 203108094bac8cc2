#!/usr/bin/env python3
"""Runs tarvek-cli for Linux and tarvek-cli.exe under Wine on the same inputs
and checks that they agree byte for byte: `encode --json` on every encode
vector, `position` on every position vector, and the file `save` writes on
every .cfg vector (exit codes, standard output and the files); and an
accented argument in an error, on a console as text and redirected as bytes.

    compare-cli.py LINUX_CLI WINE_RUN WINDOWS_CLI VECTOR_DIR

Prints one line per verb and exits 1 on the first disagreement of each verb.
"""
import json
import os
import select
import subprocess
import sys
import tempfile

linux_cli, wine_run, windows_cli, vectors = sys.argv[1:5]


def run_linux(args):
    done = subprocess.run([linux_cli, *args], capture_output=True, timeout=60)
    return done.returncode, done.stdout


last_windows_stderr = b""


def run_windows(args):
    global last_windows_stderr
    done = subprocess.run([wine_run, windows_cli, *args], capture_output=True, timeout=120)
    last_windows_stderr = done.stderr
    return done.returncode, done.stdout


def set_args(writes):
    args = []
    for control, value in writes:
        args += ["--set", f"{control}={value}"]
    return args


def load(name):
    with open(os.path.join(vectors, name), encoding="utf-8") as f:
        return json.load(f)


def position_args(case):
    args = ["position", "--lat", case["lat"], "--lon", case["lon"], "--symbol", case["symbol"]]
    if case["notation"] == "sec":
        args.append("--seconds")
    if case["form"] == "normal":
        args.append("--normal")
    if case["alternate"]:
        args.append("--alternate")
    return args


failed = False


def compare(verb, cases, run_case):
    global failed
    for number, case in enumerate(cases):
        linux, windows = run_case(case, run_linux), run_case(case, run_windows)
        if linux != windows:
            # A program that Wine fails to start, on a loaded machine, is run
            # once more, as CTest does for the unit tests; what the first run
            # said is kept, and a second disagreement fails.
            first, first_stderr = windows, last_windows_stderr
            windows = run_case(case, run_windows)
            print(f"{verb}: case {number}: the first run under Wine gave {first!r}, "
                  f"standard error {first_stderr!r}; run once more")
        if linux != windows:
            print(f"{verb}: case {number} differs\n  linux:   {linux!r}\n  windows: {windows!r}\n"
                  f"  windows standard error: {last_windows_stderr!r}")
            failed = True
            return
    print(f"{verb}: {len(cases)} cases agree")


compare("encode", load("encode_vectors.json"),
        lambda case, run: run(["encode", "--json", *set_args(case["writes"])]))
# A symbol of a space is refused by the validators on both sides alike;
# position vectors with an empty symbol are left to the unit tests.
compare("position", [c for c in load("position.json") if c["symbol"]],
        lambda case, run: run(position_args(case)))

with tempfile.TemporaryDirectory() as folder:
    def save(case, run):
        path = os.path.join(folder, "linux.cfg" if run is run_linux else "windows.cfg")
        if os.path.exists(path):
            os.remove(path)
        code, out = run(["save", path, *set_args(case["writes"])])
        content = open(path, "rb").read() if os.path.exists(path) else None
        return code, out, content

    compare("save", load("cfg.json")["save"], save)


# Standard error on a console: Wine makes one of a terminal. The text must
# arrive as Unicode, not as UTF-8 bytes drawn in the console's code page;
# redirected, the bytes are those of Linux.
def console_stderr(args):
    master, slave = os.openpty()
    done = subprocess.run([wine_run, windows_cli, *args], stdin=slave, stdout=slave,
                          stderr=slave, timeout=120, env={**os.environ, "LANG": "C.UTF-8"})
    os.close(slave)
    shown = b""
    while True:
        ready, _, _ = select.select([master], [], [], 0.5)
        if not ready:
            break
        try:
            chunk = os.read(master, 4096)
        except OSError:
            break
        if not chunk:
            break
        shown += chunk
    os.close(master)
    return done.returncode, shown.decode("utf-8", errors="replace")


accented = ["ports", "Città_Ünïcödé"]
code, shown = console_stderr(accented)
if code == 2 and '"Città_Ünïcödé"' in shown:
    print("console: the accented argument shows as typed")
else:
    print(f"console: the accented argument is garbled: {shown!r} (exit {code})")
    failed = True
linux = subprocess.run([linux_cli, *accented], capture_output=True, timeout=60)
windows = subprocess.run([wine_run, windows_cli, *accented], capture_output=True, timeout=120)
if (linux.returncode, linux.stderr) == (windows.returncode, windows.stderr):
    print("redirected: the same bytes as on Linux")
else:
    print(f"redirected: differs\n  linux:   {linux.stderr!r}\n  windows: {windows.stderr!r}")
    failed = True

sys.exit(1 if failed else 0)
