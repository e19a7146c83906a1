"""Batch records as an operator meets them, over the accessibility bus: the in-process simulator
runs its curve 60 times faster than the clock; the batch starts by itself, the operator types a
part number and adds a note, the program ends, the batch shows PASS and 记录完整. A value changed
in the records file with sqlite3 then makes "校验" name that record, and `vtrecords verify`
exit 1.

    run_under_xvfb.sh /usr/bin/python3 batch_test.py PATH/TO/vtstation PATH/TO/vtrecords
"""

import pathlib
import subprocess
import sys
import tempfile
import unittest

from atspi_driver import App
from station_session import LINK_TIMEOUT, OVERVIEW, StationSession

BATCHES = "批次记录"
PART = "零件-A17"
NOTE = "装炉完成"
# The default curve takes 50 minutes of the controller's time: 50 s at a time factor of 60.
RUN_TIMEOUT = 120.0


# The station runs its own simulator here; opening the port and stopping are the session's.
class BatchRecordsTest(StationSession):
    @classmethod
    def setUpClass(cls):
        folder = tempfile.TemporaryDirectory()
        cls.addClassCleanup(folder.cleanup)
        cls.folder = pathlib.Path(folder.name)
        cls.records = cls.folder / "Records.db"
        cls.app = App.launch([STATION, "--simulate", "--sim-time-factor", "60",
                              "--database", str(cls.folder / "db")])
        cls.addClassCleanup(cls.stop_station)
        cls.overview = cls.app.window(OVERVIEW, timeout=30)
        cls.open_port()

    def test_a_program_run_is_one_verified_batch(self):
        self.overview.find(BATCHES, role="push button").click()
        window = self.app.window(BATCHES)
        verdict = window.find("BatchVerdict", role="label")
        self.overview.find("Combo3", role="combo box").select("1:运行 ")
        self.overview.find("程序功能", role="push button").click()
        verdict.wait_until(lambda w: w.text() == "进行中", "to show the batch running", LINK_TIMEOUT)

        part = window.find("BatchHeader_part", role="text")
        part.set_text(PART)
        part.press_key("Tab")
        window.find("BatchNote", role="text").set_text(NOTE)
        window.find("添加备注", role="push button").click()
        window.find("事件", role="page tab").click()
        window.find("BatchEvents", role="table").wait_until(
            lambda w: any(NOTE in c.name for c in w.accessible), "to list the note")

        verdict.wait_until(lambda w: w.text().startswith(("PASS", "FAIL")), "the batch to end",
                           RUN_TIMEOUT)
        self.assertEqual(verdict.text(), "PASS")
        integrity = window.find("BatchIntegrity", role="label")
        window.find("校验", role="push button").click()
        integrity.wait_until(lambda w: w.text() == "记录完整", "to read 记录完整")
        self.assertEqual(self.vtrecords("verify").returncode, 0)

        seq = self.sqlite("select min(seq) from records where seq >= 20")
        self.sqlite(f"update records set v4 = v4 + 1 where seq = {seq}")
        window.find("校验", role="push button").click()
        integrity.wait_until(lambda w: w.text().startswith(f"记录已被改动: 第 {seq} 条 R"),
                             f"to name record {seq}")
        result = self.vtrecords("verify")
        self.assertEqual(result.returncode, 1, result.stdout)
        self.assertIn(f"第 {seq} 条", result.stdout)
        self.assertIn("PASS", self.vtrecords("list").stdout)
        csv = self.folder / "batch.csv"
        self.assertEqual(self.vtrecords("export", "1", "-o", str(csv)).returncode, 0)
        self.assertGreater(len(csv.read_text(encoding="utf-8-sig").splitlines()), 30)

    def sqlite(self, statement):
        return subprocess.run(["sqlite3", str(self.records), statement], check=True,
                              capture_output=True, text=True).stdout.strip()

    def vtrecords(self, *args):
        return subprocess.run([VTRECORDS, "--records", str(self.records), *args],
                              capture_output=True, text=True, timeout=60)


if __name__ == "__main__":
    STATION, VTRECORDS = sys.argv.pop(1), sys.argv.pop(1)
    result = unittest.main(verbosity=2, exit=False).result
    sys.exit(1 if not result.wasSuccessful() else 77 if result.skipped else 0)
