"""The process-program window of the real station against the simulator program, driven over
the accessibility bus as an operator clicks and types: upload the curve, edit a segment's time
in the grid, write a program parameter, choose another curve, and return. What the controller
received is read from the simulator's write log.

    run_under_xvfb.sh /usr/bin/python3 program_test.py PATH/TO/vtstation PATH/TO/vt5800-sim
"""

import pathlib
import signal
import sys
import tempfile
import unittest

from atspi_driver import App
from station_session import LINK_TIMEOUT, OVERVIEW, SV1_AT_START, Simulator

PROGRAM = "工艺曲线设定"
ROW = 3  # the segment whose time is edited (grid rows count from 1, the accessible table from 0)
TIME_COLUMN = 2
TIME_REGISTER = 8202 + 8 * ROW
# The simulator's curve 0 ramps to 100.0 in its first segment; segment 3 takes 10 minutes.
FIRST_SET_POINT = "100"
SEGMENT_TIME = "10"


class ProgramWindowTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        folder = tempfile.TemporaryDirectory()
        cls.addClassCleanup(folder.cleanup)
        cls.sim = Simulator(SIMULATOR, pathlib.Path(folder.name))
        cls.addClassCleanup(cls.sim.stop)
        cls.app = App.launch([STATION, "--database", str(pathlib.Path(folder.name, "db")),
                              "--port", f"1={cls.sim.tty}"])
        cls.addClassCleanup(cls.stop_station)
        cls.overview = cls.app.window(OVERVIEW, timeout=30)
        cls.overview.find("Port selection", role="frame").find(role="combo box").select("1 ")
        cls.overview.find("打开", role="push button").click()
        cls.overview.find("D_4W_2", role="label").wait_until(
            lambda w: w.text() == SV1_AT_START, "to show the simulator's SV1", LINK_TIMEOUT)

    @classmethod
    def stop_station(cls):
        status = cls.app.close()
        if status not in (0, -signal.SIGTERM):
            raise AssertionError(f"the station ended with status {status}")

    def cell(self, row, column):
        return self.grid.cell(row - 1, column)

    def edit_cell(self, row, column, text):
        """Clicks the cell, types over its selected text in the overlay box and presses Enter."""
        self.cell(row, column).mouse_click()
        box = self.window.find("Text1", role="text")
        box.wait_until(lambda w: "focused" in w.states, "to take the focus")
        box.type_text(text)
        box.press_key("Return")
        box.wait_hidden()

    def test_upload_edit_write_select_and_return(self):
        self.overview.find("曲线设置", role="push button").click()
        self.window = self.app.window(PROGRAM)
        self.grid = self.window.find("Flxg", role="table")

        self.window.find("上传曲线", role="push button").click()
        self.cell(1, 1).wait_until(lambda w: w.text() == FIRST_SET_POINT,
                                   f"to show the uploaded set point {FIRST_SET_POINT}",
                                   LINK_TIMEOUT)
        self.assertEqual(self.cell(ROW, TIME_COLUMN).text(), SEGMENT_TIME)

        mark = len(self.sim.writes())
        self.edit_cell(ROW, TIME_COLUMN, "999")
        write = f"holding {TIME_REGISTER} 999"
        self.assertEqual(self.sim.writes_after(mark, write), [write])
        self.cell(ROW, TIME_COLUMN).wait_until(lambda w: w.text() == "999", "to show 999")

        # 1000 is out of range: the power-fail write that follows is the only one carried out.
        mark = len(self.sim.writes())
        self.edit_cell(ROW, TIME_COLUMN, "1000")
        self.window.find("CB3").select("2:来电从第一段运行 ")
        self.window.find("Command1d", role="push button").click()
        self.assertEqual(self.sim.writes_after(mark, "holding 8198 2"), ["holding 8198 2"])
        self.assertEqual(self.cell(ROW, TIME_COLUMN).text(), "999")

        mark = len(self.sim.writes())
        self.window.find("Combo4").select("3 ")
        self.window.find("曲线选择", role="push button").click()
        self.assertEqual(self.sim.writes_after(mark, "holding 7 3"), ["holding 7 3"])
        self.window.find("D_4W_6", role="label").wait_until(
            lambda w: w.text() == "3", "to show the current curve 3", LINK_TIMEOUT)

        self.window.find(" Esc 返回", role="push button").click()
        self.app.window(OVERVIEW)
        self.app.wait_for(lambda: not self.app.find_all(PROGRAM), "the program window to close")


if __name__ == "__main__":
    STATION, SIMULATOR = sys.argv.pop(1), sys.argv.pop(1)
    result = unittest.main(verbosity=2, exit=False).result
    sys.exit(0 if result.wasSuccessful() else 1)
