"""The real station on port 1 against the simulator program, shared by the end-to-end tests
that drive it: the simulator on a pseudo-terminal logging the writes it carries out, the
station on its own database with the port opened through the overview as an operator does.

    class MyTest(StationSession): ...
    if __name__ == "__main__":
        sys.exit(run_tests())   # argv: PATH/TO/vtstation PATH/TO/vt5800-sim
"""

import pathlib
import signal
import subprocess
import sys
import tempfile
import unittest

from atspi_driver import App, wait_for

OVERVIEW = "\nProcess Controller  VT5800       OverView"
# The simulated controller starts with SV1 = 1000 raw, 100.0 degC at input 1's one decimal.
# Reading it as "100" proves the station has polled the scaling its writes depend on.
SV1_AT_START = "100"
LINK_TIMEOUT = 20.0  # the first poll after "打开", and a write travelling to the controller


class Simulator:
    """vt5800-sim on a pseudo-terminal reached through the symlink tty, logging its writes."""

    def __init__(self, program, folder):
        self.tty = folder / "tty"
        self.log = folder / "writes"
        self.process = subprocess.Popen(
            [program, "--link", str(self.tty), "--write-log", str(self.log)],
            stdout=subprocess.DEVNULL)
        try:
            wait_for(lambda: self.tty.is_symlink() or self.process.poll() is not None,
                     f"the simulator's terminal {self.tty}")
        finally:
            if not self.tty.is_symlink():
                self.stop()
        if self.process.poll() is not None:
            raise RuntimeError(f"the simulator exited with status {self.process.returncode}")

    def writes(self):
        return self.log.read_text().splitlines() if self.log.exists() else []

    def writes_after(self, mark, expected):
        """Waits for the writes carried out since mark (a count of writes) and returns them
        once expected is among them."""
        def since_mark():
            writes = self.writes()[mark:]
            return writes if expected in writes else None

        return wait_for(since_mark, f"{expected!r} in the simulator's write log",
                        LINK_TIMEOUT, detail=lambda: f"writes since: {self.writes()[mark:]}")

    def stop(self):
        self.process.terminate()
        self.process.wait(10)


class StationSession(unittest.TestCase):
    """One station and one simulator for all tests of the class, the port open."""

    station = None    # set by run_tests()
    simulator = None

    @classmethod
    def setUpClass(cls):
        folder = tempfile.TemporaryDirectory()
        cls.addClassCleanup(folder.cleanup)
        cls.sim = Simulator(cls.simulator, pathlib.Path(folder.name))
        cls.addClassCleanup(cls.sim.stop)
        cls.app = App.launch([cls.station, "--database", str(pathlib.Path(folder.name, "db")),
                              "--port", f"1={cls.sim.tty}"])
        cls.addClassCleanup(cls.stop_station)
        cls.overview = cls.app.window(OVERVIEW, timeout=30)
        cls.open_port()

    @classmethod
    def stop_station(cls):
        status = cls.app.close()
        if status not in (0, -signal.SIGTERM):
            raise AssertionError(f"the station ended with status {status}")

    @classmethod
    def open_port(cls):
        port = cls.overview.find("Port selection", role="frame").find(role="combo box")
        port.select("1 ")
        cls.overview.find("打开", role="push button").click()
        cls.readout("D_4W_2").wait_until(lambda w: w.text() == SV1_AT_START,
                                         f"to read the simulator's SV1 {SV1_AT_START}",
                                         LINK_TIMEOUT)

    @classmethod
    def readout(cls, name, window=None):
        """The readout label of window (default the overview) whose accessible description
        is name; its accessible name is the text it shows."""
        label = (window or cls.overview).find(name, role="label")
        if label.name == name:
            raise unittest.SkipTest(f"readout {name} publishes its control name as accessible "
                                    "name, which hides its text; it must carry the control "
                                    "name as accessible description only")
        return label


def run_tests(second="simulator"):
    """Runs the tests of __main__ on the station and the program named by the first two
    arguments (the simulator, or the tool the class attribute `second` names); the exit status
    for CTest: 0, 1 on a failure, 77 when a test was skipped."""
    StationSession.station = sys.argv.pop(1)
    setattr(StationSession, second, sys.argv.pop(1))
    result = unittest.main(verbosity=2, exit=False).result
    # 77 tells CTest the run was skipped, e.g. because the windows hide what it must read.
    return 1 if not result.wasSuccessful() else 77 if result.skipped else 0
