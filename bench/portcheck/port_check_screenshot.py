"""Developer tool: photographs the overview's port panel and the "端口诊断" window.

    tests/e2e/run_under_xvfb.sh /usr/bin/python3 bench/portcheck/port_check_screenshot.py \\
        build/src/shell/vtstation [docs/screenshots]

Starts the station with its simulated controller on a fresh database, presses "端口诊断",
waits for the test read's result and grabs the screen into port-check.png.
"""
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "e2e"))
from atspi_driver import App  # noqa: E402


def main():
    station = sys.argv[1]
    folder = sys.argv[2] if len(sys.argv) > 2 else "docs/screenshots"
    with tempfile.TemporaryDirectory() as scratch:
        argv = [station, "--simulate", "--database", os.path.join(scratch, "station.db")]
        with App.launch(argv) as app:
            app.find("端口诊断", role="push button", timeout=30).click()
            app.window("端口诊断")
            app.wait_for(lambda: any("ms）" in label.name or "端口无法使用" in label.name
                                     for label in app.find_all(role="label")),
                         "the test read's result")
            subprocess.run(["import", "-window", "root", os.path.join(folder, "port-check.png")],
                           check=True)


if __name__ == "__main__":
    main()
