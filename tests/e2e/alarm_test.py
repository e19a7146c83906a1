"""Alarms of the real station against the simulator program, as an operator meets them: alarm
1 raised in the simulator (its setting put under the PV from the alarm panel) shows on the
overview's `AlarmBanner`; the operator opens "报警一览", enters a name, selects the alarm and
presses "确认"; the alarm clears in the simulator; "报警历史" lists the raise, the
acknowledgement with the name, and the clear.

    run_under_xvfb.sh /usr/bin/python3 alarm_test.py PATH/TO/vtstation PATH/TO/vt5800-sim
"""

import sys

from station_session import LINK_TIMEOUT, OVERVIEW, StationSession, run_tests

OPERATOR = "张三"
ALARM_1 = "上限报警1"


class AlarmTest(StationSession):
    def set_alarm_1(self, typed, raw):
        """Types alarm 1's setting into the alarm panel, leaves the box and goes back."""
        self.overview.find("报警设置", role="push button").click()
        panel = self.app.window("ALARM")
        mark = len(self.sim.writes())
        panel.find("T_3RW_256", role="text").type_text(typed)
        self.app.press_key("Tab")
        self.sim.writes_after(mark, f"holding 257 {raw}")
        panel.find("返回", role="push button").click()
        self.app.window(OVERVIEW)

    def banner(self):
        return self.readout("AlarmBanner")

    def test_raise_acknowledge_clear_and_history(self):
        self.set_alarm_1("20", 200)  # the PV is above 20.0 from the start
        self.banner().wait_until(lambda w: ALARM_1 in w.text(), f"to show {ALARM_1}",
                                 LINK_TIMEOUT)

        self.overview.find("报警一览", role="push button").click()
        window = self.app.window("报警一览")
        window.find("OperatorName", role="text").set_text(OPERATOR)
        alarms = window.find("AlarmList", role="table")
        alarms.cell(0, 2).wait_until(lambda w: w.text() == ALARM_1, f"to list {ALARM_1}")
        alarms.cell(0, 2).mouse_click()
        window.find("确认", role="push button").click()
        alarms.cell(0, 4).wait_until(lambda w: w.text() == OPERATOR, "to name the operator")

        self.set_alarm_1("900", 9000)
        self.banner().wait_until(lambda w: w.text() == "无报警", "to show 无报警", LINK_TIMEOUT)

        self.overview.find("报警一览", role="push button").click()
        window = self.app.window("报警一览")
        window.find("报警历史", role="page tab").click()
        history = window.find("AlarmHistory", role="table")

        def rows():
            found = []
            for row in range(3):
                cells = [history.cell(row, column).text() for column in (1, 2, 5)]
                found.append(tuple(cells))
            return found

        history.wait_until(lambda w: rows()[0][0] == ALARM_1, "to list the alarm")
        self.assertEqual(rows(), [(ALARM_1, "恢复", ""), (ALARM_1, "确认", OPERATOR),
                                  (ALARM_1, "报警", "")])


if __name__ == "__main__":
    sys.exit(run_tests())
