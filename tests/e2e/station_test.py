"""The real station against the simulator program, driven over the accessibility bus the way
an operator clicks and types: open the port, write SV1, toggle A/M. What the controller
received is read from the simulator's write log, independently of the station's readouts.

    run_under_xvfb.sh /usr/bin/python3 station_test.py PATH/TO/vtstation PATH/TO/vt5800-sim
"""

import sys

from station_session import LINK_TIMEOUT, StationSession, run_tests


class StationTest(StationSession):
    def test_sv1_typed_and_written_reaches_the_controller_and_reads_back(self):
        entry = self.overview.find("T_3RW_2", role="text")
        entry.focus()
        entry.set_text("")
        entry.type_text("250")
        mark = len(self.sim.writes())
        write = self.overview.find("SV1", role="push button")
        write.click()
        self.assertEqual(self.sim.writes_after(mark, "holding 3 2500"), ["holding 3 2500"])
        self.readout("D_4W_2").wait_until(lambda w: w.text() == "250", "to read 250",
                                          LINK_TIMEOUT)
        write.wait_hidden()

    def test_auto_manual_toggles_coil_1_both_ways(self):
        mode = self.readout("D_1RW_0")
        manual = mode.text() == "手动"
        for _ in range(2):
            manual = not manual
            mark = len(self.sim.writes())
            self.overview.find("A/M", role="push button").click()
            coil = f"coil 1 {int(manual)}"
            self.assertEqual(self.sim.writes_after(mark, coil), [coil])
            shown = "手动" if manual else "自动"
            mode.wait_until(lambda w: w.text() == shown, f"to read {shown}", LINK_TIMEOUT)

    def test_close_box_leaves_the_overview_open(self):
        self.overview.request_close()
        # Pointer events reach the window after the close request: a click that still lands
        # proves the request was handled and refused.
        entry = self.overview.find("T_3RW_3", role="text")
        entry.mouse_click()
        entry.wait_until(lambda w: "focused" in w.states, "to take the focus")
        self.assertIn("showing", self.overview.states)
        self.assertIsNone(self.app.process.poll())


if __name__ == "__main__":
    sys.exit(run_tests())
