"""The station with its own simulator (`--simulate`, its curve 60 times faster) on a fresh
database and records file, shared by the end-to-end tests of batch records; the records file
read with sqlite3, as anyone could change it, and with vtrecords, as an auditor checks it.

    class MyTest(RecordsSession): ...
    if __name__ == "__main__":
        sys.exit(run_tests("vtrecords_tool"))   # argv: PATH/TO/vtstation PATH/TO/vtrecords
"""

import pathlib
import subprocess
import tempfile

from atspi_driver import App
from station_session import OVERVIEW, StationSession


class RecordsSession(StationSession):
    """Opening the port and stopping are the station session's; `vtrecords_tool` is the path
    run_tests("vtrecords_tool") gives."""

    @classmethod
    def setUpClass(cls):
        folder = tempfile.TemporaryDirectory()
        cls.addClassCleanup(folder.cleanup)
        cls.folder = pathlib.Path(folder.name)
        cls.records = cls.folder / "Records.db"
        cls.launch()
        cls.addClassCleanup(cls.stop_station)

    @classmethod
    def launch(cls):
        """Starts the station on the class's files (again, after a kill)."""
        cls.app = App.launch([cls.station, "--simulate", "--sim-time-factor", "60",
                              "--database", str(cls.folder / "db")])
        cls.overview = cls.app.window(OVERVIEW, timeout=30)

    def sqlite(self, statement):
        return subprocess.run(["sqlite3", str(self.records), statement], check=True,
                              capture_output=True, text=True).stdout.strip()

    def vtrecords(self, *args):
        return subprocess.run([self.vtrecords_tool, "--records", str(self.records), *args],
                              capture_output=True, text=True, timeout=60)
