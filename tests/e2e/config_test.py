"""The configuration window of the real station against the simulator program, driven over the
accessibility bus as an operator would: open it from the overview, wait for a row to show the
controller's value, write a number row and a list row with their DOWN buttons, and go back.
What the controller received is read from the simulator's write log.

    run_under_xvfb.sh /usr/bin/python3 config_test.py PATH/TO/vtstation PATH/TO/vt5800-sim
"""

import sys

from station_session import LINK_TIMEOUT, StationSession, run_tests

CONFIG = "VT5800 CONFIG "
# The simulated controller's set-value high limit, 13000 at one decimal place.
SVHI_AT_START = "1300"


class ConfigTest(StationSession):
    def test_rows_written_from_the_configuration_window_reach_the_controller(self):
        self.overview.find("系统配置", role="push button").click()
        config = self.app.window(CONFIG)
        self.overview.wait_hidden()
        self.readout("D_4W_10", config).wait_until(
            lambda w: w.text() == SVHI_AT_START, f"to read the simulator's {SVHI_AT_START}",
            LINK_TIMEOUT)

        entry = config.find("T_3RW_7", role="text")  # digital filter time, in tenths
        entry.focus()
        entry.set_text("")
        entry.type_text("2.5")
        mark = len(self.sim.writes())
        config.find("Command1_7", role="push button").click()
        self.assertEqual(self.sim.writes_after(mark, "holding 4103 25"), ["holding 4103 25"])

        config.find("Combo0", role="combo box").select("1:使能锁定 ")  # key lock
        mark = len(self.sim.writes())
        config.find("Command1_1", role="push button").click()
        self.assertEqual(self.sim.writes_after(mark, "holding 4097 1"), ["holding 4097 1"])
        self.readout("D_4W_1", config).wait_until(lambda w: w.text() == "使能锁定",
                                                  "to read 使能锁定", LINK_TIMEOUT)

        config.find(" Esc 返回", role="push button").click()
        # The configuration window is gone for good; the overview is back.
        self.overview.wait_until(lambda w: "showing" in w.states, "to be shown again")


if __name__ == "__main__":
    sys.exit(run_tests())
