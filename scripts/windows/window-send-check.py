#!/usr/bin/env python3
"""tarvek-config.exe from the shipped folder under Wine, driven by the
keyboard alone, onto pseudo-terminals that the Wine prefix maps to COM1 and
COM12:

- "12" typed into "Comm num:" (21 Tabs from start-up) and SEND put exactly
  the 120 wire bytes of `tarvek-cli encode` on COM12;
- F4 in "Comm num:" opens the port chooser on the port the field means, and
  typing "12" and Enter there chooses COM12: SEND then sends to COM12 again,
  and COM1 receives nothing.

Screenshots of the window after the first SEND and of the open chooser are
left in OUTPUT_DIR.

    window-send-check.py LINUX_CLI WINE_RUN DIST_DIR OUTPUT_DIR
"""
import atexit
import json
import os
import random
import subprocess
import sys
import time

from wineports import WinePorts

linux_cli, wine_run, dist, out = sys.argv[1:5]
os.makedirs(out, exist_ok=True)
failures = []
TITLE = "Tarvek Config v3.0 by QX0ZZZ"
TABS_TO_COMM = 21  # from the first field, in the window's keyboard order


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


display = f":{90 + random.randrange(100)}"
xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
atexit.register(xvfb.kill)
os.environ["DISPLAY"] = display
for _ in range(50):
    if os.path.exists(f"/tmp/.X11-unix/X{display[1:]}"):
        break
    time.sleep(0.1)

ports = WinePorts(wine_run, ["COM1", "COM12"])
atexit.register(ports.unmap)
ports.map("COM1")
ports.map("COM12")

expected = bytes.fromhex(json.loads(subprocess.run(
    [linux_cli, "encode", "--json"], capture_output=True, check=True).stdout)["wire"])


def shown(title):
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    return f'"{title}"' in tree


def wait_for(title, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if shown(title):
            return True
        time.sleep(0.2)
    return False


def keys(*names, pause=0.1):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=False)
        time.sleep(pause)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "150", text], check=False)


def capture(name):
    path = os.path.join(out, name)
    subprocess.run(["import", "-display", display, "-window", "root", path], check=False)
    return path


def start_program():
    app = subprocess.Popen([wine_run, "--as-shipped", "./tarvek-config.exe"], cwd=dist)
    started = wait_for(TITLE)
    check(started, "tarvek-config.exe shows its window")
    time.sleep(3)
    return app if started else None


def stop_program(app):
    app.kill()
    subprocess.run(["wineserver", "-k"], check=False)
    app.wait()
    subprocess.run(["wineserver", "-w"], check=False)


def send_and_receive(port, shot):
    """SEND, the focus being in "Comm num:": what PORT and COM1 receive."""
    keys("Tab", "space")
    received, _ = ports.receive(port, count=len(expected), timeout=20)
    time.sleep(1)
    path = capture(shot)
    others, _ = ports.receive("COM1", timeout=0.5) if port != "COM1" else (b"", [])
    keys("Return")  # the dialog's OK
    return received, others, path


# Typed: "12" into "Comm num:", then SEND.
app = start_program()
if app:
    keys(*["Tab"] * TABS_TO_COMM)
    type_text("12")
    received, others, path = send_and_receive("COM12", "window-send-com12.png")
    check(received == expected and not others,
          f'"12" typed into Comm num: and SEND put the {len(expected)} wire bytes on COM12 '
          f"({len(received)} bytes came, {len(others)} on COM1); screenshot: {path}")
    stop_program(app)

# Chosen: F4 in "Comm num:", "12" typed to find COM12 in the list, Enter.
app = start_program()
if app:
    keys(*["Tab"] * TABS_TO_COMM)
    keys("F4", pause=1)
    opened = wait_for("Serial ports", 10)
    type_text("12")
    time.sleep(1)
    path = capture("port-chooser-wine.png")
    check(opened, f"F4 in Comm num: opens the port chooser; screenshot: {path}")
    keys("Return", pause=1)
    received, others, path = send_and_receive("COM12", "window-send-chosen-com12.png")
    check(received == expected and not others,
          f"COM12 chosen in the chooser, then SEND put the {len(expected)} wire bytes on COM12 "
          f"({len(received)} bytes came, {len(others)} on COM1); screenshot: {path}")
    stop_program(app)

sys.exit(1 if failures else 0)
