"""The tuning windows of the real station against the simulator program, driven over the
accessibility bus the way an operator clicks, types and tabs: a PID parameter written with its
DOWN, an alarm setting written by leaving its box, an output limit edited in the grid. What the
controller received is read from the simulator's write log; passing through boxes and the mode
selector without typing must write nothing.

    run_under_xvfb.sh /usr/bin/python3 tuning_test.py PATH/TO/vtstation PATH/TO/vt5800-sim
"""

import sys

from station_session import OVERVIEW, StationSession, run_tests

ALARM_BOXES = [f"T_3RW_{256 + i}" for i in range(8)]


class TuningTest(StationSession):
    def open_editor(self, button, title):
        """Presses an overview button and returns the editor window it shows."""
        self.overview.find(button, role="push button").click()
        window = self.app.window(title)
        self.addCleanup(self.leave, window)
        return window

    def leave(self, window):
        window.find("返回", role="push button").click()
        self.app.window(OVERVIEW)

    def assert_writes_since(self, mark, expected):
        self.assertEqual(self.sim.writes_after(mark, expected[-1]), expected)

    def test_1_pid_row_written_by_its_down(self):
        panel = self.open_editor("PID参数", "PID参数设置")
        entry = panel.find("T_3RW_1", role="text")
        entry.type_text("120.9")
        mark = len(self.sim.writes())
        panel.find("Command1_1", role="push button").click()
        self.assert_writes_since(mark, ["holding 4354 120"])

    def test_2_alarm_boxes_write_only_what_was_typed(self):
        panel = self.open_editor("报警设置", "ALARM")
        mark = len(self.sim.writes())
        panel.find(ALARM_BOXES[0], role="text").focus()
        for name in ALARM_BOXES[1:]:
            self.app.press_key("Tab")
            box = panel.find(name, role="text")
            box.wait_until(lambda w: "focused" in w.states, "to take the focus by Tab")
        box.type_text("12.5")
        self.app.press_key("Tab")
        self.assert_writes_since(mark, ["holding 264 125"])

    def test_3_output_limit_edited_in_the_grid(self):
        table = self.open_editor("分组限幅", "分组输出限制")
        mark = len(self.sim.writes())
        mode = table.find("Combo30", role="combo box")
        mode.find(role="text").focus()  # its edit field hands the focus to the combo box
        mode.wait_until(lambda w: "focused" in w.states, "to take the focus")
        self.app.press_key("Tab")
        grid = table.find("MSFlexGrid1", role="table")
        grid.wait_until(lambda w: "focused" in w.states, "to take the focus by Tab")
        upper_limit_of_group_1 = grid.cell(0, 2)
        for typed in ("150", "99.5"):
            upper_limit_of_group_1.mouse_click()
            editor = table.find("Text1", role="text")
            editor.wait_until(lambda w: "focused" in w.states, "to take the focus")
            editor.type_text(typed)
            self.app.press_key("Return")
            editor.wait_hidden()
        self.assert_writes_since(mark, ["holding 4611 100"])


if __name__ == "__main__":
    sys.exit(run_tests())
