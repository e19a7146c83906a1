"""The batch records file as the end-to-end tests read it beside the station: with sqlite3, as
anyone could change it, and with vtrecords, as an auditor checks it.

    class MyTest(RecordsFileTools, StationSession): ...   # sets cls.records, the file's path
    if __name__ == "__main__":
        sys.exit(run_tests("vtrecords_tool"))   # argv: PATH/TO/vtstation PATH/TO/vtrecords
"""

import subprocess


class RecordsFileTools:
    """Reads `records`; `vtrecords_tool` is the path run_tests("vtrecords_tool") gives."""

    def sqlite(self, statement):
        return subprocess.run(["sqlite3", str(self.records), statement], check=True,
                              capture_output=True, text=True).stdout.strip()

    def vtrecords(self, *args):
        return subprocess.run([self.vtrecords_tool, "--records", str(self.records), *args],
                              capture_output=True, text=True, timeout=60)
