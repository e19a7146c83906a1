"""Batch records as an operator meets them, over the accessibility bus: the in-process simulator
runs its curve 60 times faster than the clock; the batch starts by itself, the operator types a
part number, chooses PV2 as the load sensor and a wider band, and adds a note, the program ends,
the batch shows PASS and 记录完整 with the load sensor and band as chosen. "保存PDF" through the
file dialog writes the report (its number, PASS and chain head; `vtrecords verify` on it exits
0), "打印报告" opens the print preview and Esc closes it. A value changed in the records file with
sqlite3 then makes "校验" name that record, and `vtrecords verify` exit 1. Last, F3 in the
history window saves the trend page as a PDF through the same dialog.

    run_under_xvfb.sh /usr/bin/python3 batch_test.py PATH/TO/vtstation PATH/TO/vtrecords
"""

import re
import subprocess
import sys

from atspi_driver import wait_for
from records_session import RecordsSession
from station_session import LINK_TIMEOUT, run_tests

BATCHES = "批次记录"
PART = "零件-A17"
NOTE = "装炉完成"
BAND = "50.0"
# The default curve takes 50 minutes of the controller's time: 50 s at a time factor of 60.
RUN_TIMEOUT = 120.0


class BatchRecordsTest(RecordsSession):
    @classmethod
    def setUpClass(cls):
        super().setUpClass()
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
        sensor = window.find("BatchSensor", role="combo box")
        sensor.select("PV2")
        band = window.find("BatchBand", role="text")
        band.set_text("50")
        band.press_key("Tab")
        band.wait_until(lambda w: w.text() == BAND, f"to show the band as {BAND}")
        window.find("BatchNote", role="text").set_text(NOTE)
        window.find("添加备注", role="push button").click()
        window.find("事件", role="page tab").click()
        window.find("BatchEvents", role="table").wait_until(
            lambda w: all(any(text in c.name for c in w.accessible)
                          for text in (NOTE, "PV1 → PV2", "5 → 50")),
            "to list the note and the load sensor's and band's changes")

        verdict.wait_until(lambda w: w.text().startswith(("PASS", "FAIL")), "the batch to end",
                           RUN_TIMEOUT)
        self.assertEqual(verdict.text(), "PASS")
        integrity = window.find("BatchIntegrity", role="label")
        window.find("校验", role="push button").click()
        integrity.wait_until(lambda w: w.text() == "记录完整", "to read 记录完整")
        self.assertEqual(self.vtrecords("verify").returncode, 0)
        self.assertNotIn("enabled", sensor.states)  # a closed batch shows it read-only
        self.assertEqual((sensor.text(), band.text()), ("PV2", BAND))

        self.save_report(window)
        window.find("打印报告", role="push button").click()
        preview = self.app.wait_for(self.print_preview, "the print preview")
        preview.activate()
        self.app.press_key("Escape")
        self.app.wait_for(lambda: self.print_preview() is None, "the print preview to close")

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

    def save_report(self, window):
        """保存PDF, the file dialog completed by keyboard; the PDF holds the batch number, PASS,
        the load sensor and the sealed chain head, and verifies itself."""
        pdf = self.folder / "batch-1.pdf"
        window.find("保存PDF", role="push button").click()
        text = self.save_as(pdf, "批次报告_1.pdf")
        head = self.sqlite("select seal from batches where id = 1")
        for shown in ("批号1", "PASS", "PV2", head):
            self.assertIn(shown, text)
        result = self.vtrecords("verify", str(pdf))
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_b_f3_saves_the_history_trend(self):
        self.overview.find("历史记录", role="push button").click()
        self.app.find("历史报告", role="push button").activate()
        self.app.press_key("F3")
        self.app.find("保存PDF…", role="push button").click()
        text = self.save_as(self.folder / "trend.pdf", ".pdf")
        for shown in ("历史长周期曲线", "PV1值", "第1页共1页"):
            self.assertIn(shown, text)

    def save_as(self, pdf, proposed):
        """Completes the open save dialog by keyboard: the file name field, which proposes a
        name ending in proposed, takes the path of pdf, Return. The PDF's text without blanks."""
        dialog = self.app.window("保存PDF")
        name = wait_for(lambda: next((w for w in self.app.find_all(role="text")
                                      if w.text().endswith(proposed)), None),
                        f"the file name field proposing {proposed!r}")
        name.set_text(str(pdf))
        name.press_key("Return")
        dialog.wait_hidden()
        wait_for(pdf.exists, f"the PDF {pdf}")
        return re.sub(r"\s+", "", subprocess.run(["pdftotext", str(pdf), "-"], check=True,
                                                 capture_output=True, text=True).stdout)

    def print_preview(self):
        """The print preview window, once shown."""
        return next((w for w in self.app.find_all(role="dialog")
                     if "预览" in w.name or "Preview" in w.name), None)



if __name__ == "__main__":
    sys.exit(run_tests("vtrecords_tool"))
