#!/usr/bin/env python3
"""tarvek-cli.exe send under Wine, onto pseudo-terminals that the Wine
prefix maps to COM1 and COM12, checked against the Linux tarvek-cli:

- `send --port 1` puts exactly the 120 wire bytes of `encode` on the line,
  the two halves apart by the 500 ms pause after the first frame, and
  `send --port 12` does so on COM12;
- a port with no device fails as a missing one does on Linux, with exit
  code 4 and the same message shape on both systems, and says how to give
  an adapter another COM number.

Wine does not keep a COM port to one program (Windows does, and a second
open then fails as "in use by another program"), so a busy port is not
checked here.

    send-check.py LINUX_CLI WINE_RUN WINDOWS_CLI
"""
import atexit
import json
import os
import re
import subprocess
import sys

from wineports import WinePorts

linux_cli, wine_run, windows_cli = sys.argv[1:4]
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


# The COM names this check maps.
ports = WinePorts(wine_run, ["COM1", "COM12"])
atexit.register(ports.unmap)


def message_shape(text):
    """The message with the device, the system's reason and the ports there
    are (which differ from system to system) left out."""
    text = text.split(" The system reports")[0]
    return re.sub(r"\(.*\)", "(...)", re.sub(r"(COM\d+|/dev/\S+)", "DEVICE", text)).strip()


expected = bytes.fromhex(json.loads(subprocess.run(
    [linux_cli, "encode", "--json"], capture_output=True, check=True).stdout)["wire"])


def send_through(number):
    """send --port NUMBER onto a pseudo-terminal mapped to COM<NUMBER>."""
    device = ports.map(f"COM{number}")
    sender = subprocess.Popen([wine_run, windows_cli, "send", "--port", str(number)],
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    received, arrivals = ports.receive(f"COM{number}", until=sender)
    out, err = sender.communicate(timeout=30)
    check(sender.returncode == 0, f"send --port {number} exits 0 (exit {sender.returncode}, {err.decode(errors='replace').strip()})")
    check(received == expected, f"COM{number} received the {len(expected)} wire bytes of encode ({len(received)} bytes came)")
    return out, arrivals, device


out, arrivals, device = send_through(1)
if len(arrivals) == len(expected):
    half = len(expected) // 2
    gap = (arrivals[half] - arrivals[half - 1]) * 1000
    check(gap >= 450, f"the two frames are {gap:.0f} ms apart (500 ms pause)")
linux_out = subprocess.run([linux_cli, "send", "--port", "1"], capture_output=True,
                           env={**os.environ, "TARVEK_COM1": device}).stdout
check(out == linux_out, "standard output is the same as on Linux")
# Windows numbers each new adapter with the next number: COM10 and above
# open only through the device namespace.
send_through(12)

# Wine gives COMn the device /dev/ttyS<n-1> unless the prefix maps it; port
# 200 has neither, as TARVEK_COM200 has not on Linux.
missing_windows = ports.wine(windows_cli, "send", "--port", "200")
missing_linux = subprocess.run([linux_cli, "send", "--port", "200"], capture_output=True,
                               env={**os.environ, "TARVEK_COM200": "/dev/ttyS199"})
check(missing_windows.returncode == 4 == missing_linux.returncode and
      message_shape(missing_windows.stderr.decode()) == message_shape(missing_linux.stderr.decode()),
      f"a missing port fails alike: {missing_windows.stderr.decode(errors='replace').strip()!r}"
      f" / {missing_linux.stderr.decode(errors='replace').strip()!r}")
missing_text = missing_windows.stderr.decode(errors="replace")
check("Port number n is COMn, 1 to 255" in missing_text and "TARVEK_COM<n>" in missing_text,
      "the missing port's message says what a port number means and how to give one a device")

sys.exit(1 if failures else 0)
