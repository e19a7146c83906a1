"""Proves the accessibility-bus harness on the probe window.

    run_under_xvfb.sh /usr/bin/python3 probe_test.py PATH/TO/e2e_probe_app
"""

import pathlib
import sys
import tempfile
import unittest

from atspi_driver import App, DriverError, wait_for


class ProbeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.report = pathlib.Path(cls.folder.name, "report.txt")
        cls.app = App.launch([PROBE_APP, "--output", str(cls.report)])
        cls.app.window("e2e probe")

    @classmethod
    def tearDownClass(cls):
        cls.app.close()
        cls.folder.cleanup()

    def lines(self):
        return self.report.read_text(encoding="utf-8").splitlines()

    def wait_line(self, line):
        wait_for(lambda: line in self.lines(), f"{line!r} in the report {self.lines()}")

    def count(self):
        return int(self.app.find("Label1").text())

    def test_each_press_of_open_counts_once(self):
        start = self.count()
        button = self.app.find("打开", role="push button")
        button.click()
        button.click()
        self.assertEqual(self.count(), start + 2)
        self.wait_line(f"open {start + 2}")
        button.mouse_click()
        self.app.find("Label1").wait_until(lambda w: w.text() == str(start + 3), "to count 3")

    def test_write_button_appears_with_focus_and_writes_the_entry(self):
        self.assertEqual(self.app.find_all("SV1"), [])
        entry = self.app.find("T_3RW_2")
        entry.set_text("")
        entry.type_text("250")
        self.assertEqual(entry.text(), "250")
        self.app.find("SV1", role="push button").click()
        self.wait_line("SV1 250")
        entry.set_text("-12.5温度")
        self.app.find("SV1").click()
        self.wait_line("SV1 -12.5温度")

    def test_combo_changes_once_straight_to_the_picked_item(self):
        combo = self.app.find("Combo1", role="combo box")
        combo.select("20 ")
        combo.select("3 ")
        self.assertEqual(combo.text(), "3 ")
        self.wait_line("Combo1 [3 ]")
        picks = [line for line in self.lines() if line.startswith("Combo1")]
        self.assertEqual(picks[-2:], ["Combo1 [20 ]", "Combo1 [3 ]"])
        with self.assertRaisesRegex(DriverError, "no item '21 '"):
            combo.select("21 ")

    def test_grid_cells_and_slider(self):
        self.assertEqual(self.app.find("MSFlexGrid1").cell(1, 1).text(), "温度")
        slider = self.app.find("HScroll1", role="slider")
        slider.set_value(42)
        self.assertEqual(slider.value(), 42)

    def test_missing_widget_reports_the_tree(self):
        with self.assertRaises(DriverError) as caught:
            self.app.find("NoSuchControl", timeout=0.3)
        message = str(caught.exception)
        self.assertIn("'NoSuchControl' on screen", message)
        self.assertIn("text 'T_3RW_2'", message)


if __name__ == "__main__":
    PROBE_APP = sys.argv.pop(1)
    unittest.main(verbosity=2)
