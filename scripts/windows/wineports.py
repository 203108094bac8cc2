"""COM ports of the project's Wine prefix mapped to pseudo-terminals, for
the checks that send through them (send-check.py, window-send-check.py)."""
import os
import select
import subprocess
import time
import tty

PORTS_KEY = r"HKLM\Software\Wine\Ports"


class WinePorts:
    """Maps COM names to fresh pseudo-terminals; unmaps them on close()
    (and first, in case an earlier run was killed before its clean-up)."""

    def __init__(self, wine_run, names):
        self.wine_run = wine_run
        self.names = names
        self.ptys = {}
        self.unmap()

    def wine(self, *args, **kwargs):
        return subprocess.run([self.wine_run, *args], capture_output=True, timeout=120, **kwargs)

    @staticmethod
    def restart_wineserver():
        subprocess.run(["wineserver", "-k"], env=os.environ, check=False)
        subprocess.run(["wineserver", "-w"], env=os.environ, check=False)

    def map(self, name):
        """Maps NAME to a new raw pseudo-terminal; returns its device path."""
        master, slave = os.openpty()
        tty.setraw(slave)
        device = os.ttyname(slave)
        self.wine("reg", "add", PORTS_KEY, "/v", name, "/t", "REG_SZ", "/d", device, "/f")
        self.restart_wineserver()
        self.ptys[name] = (master, slave)
        return device

    def receive(self, name, until=None, count=None, timeout=60):
        """The bytes NAME's line receives, each with its arrival time: until
        `count` bytes came, the process `until` ended, or `timeout` passed."""
        master = self.ptys[name][0]
        received, arrivals = b"", []
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if count is not None and len(received) >= count:
                break
            ready, _, _ = select.select([master], [], [], 0.05)
            if ready:
                chunk = os.read(master, 4096)
                received += chunk
                arrivals += [time.monotonic()] * len(chunk)
            elif until is not None and until.poll() is not None:
                break
        return received, arrivals

    def unmap(self):
        for name in self.names:
            self.wine("reg", "delete", PORTS_KEY, "/v", name, "/f")
        self.restart_wineserver()
        for master, slave in self.ptys.values():
            os.close(master)
            os.close(slave)
        self.ptys = {}
