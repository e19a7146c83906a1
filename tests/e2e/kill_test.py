"""A station killed with SIGKILL during a batch, as a power cut would stop it: the in-process
simulator runs its curve and the batch takes its records; after the kill every record that was
committed is still there, the restarted station goes on with the batch from them (the time down
is a gap), the chain verifies, and the batch ends and is sealed once the port is open again
(the new simulator's program is stopped).

    run_under_xvfb.sh /usr/bin/python3 kill_test.py PATH/TO/vtstation PATH/TO/vtrecords
"""

import json
import signal
import sys

from atspi_driver import wait_for
from records_session import RecordsSession
from station_session import LINK_TIMEOUT, run_tests


class KillDuringBatchTest(RecordsSession):
    def test_a_killed_station_loses_no_committed_record_and_the_chain_verifies(self):
        self.open_port()
        self.overview.find("Combo3", role="combo box").select("1:运行 ")
        self.overview.find("程序功能", role="push button").click()
        wait_for(lambda: self.number("select count(*) from records") >= 5,
                 "five records of the batch", LINK_TIMEOUT)
        committed = self.number("select count(*) from records")
        self.app.process.send_signal(signal.SIGKILL)
        self.app.process.wait(10)
        kept = self.number("select count(*) from records")
        self.assertGreaterEqual(kept, committed)

        self.launch()
        resume = wait_for(lambda: self.sqlite("select payload from entries where kind = 'resume'"),
                          "the batch to go on after the restart")
        self.assertEqual(json.loads(resume)["records"], kept)
        self.assertEqual(self.vtrecords("verify").returncode, 0)

        self.open_port()
        wait_for(lambda: self.sqlite("select ifnull(seal, '') from batches where id = 1"),
                 "the batch to end and be sealed", LINK_TIMEOUT)
        result = self.vtrecords("verify")
        self.assertEqual(result.returncode, 0, result.stdout)
        # Every entry of the chain is there, numbered without a hole.
        self.assertEqual(self.number("select max(seq) from (select seq from records union all "
                                     "select seq from entries)"),
                         self.number("select (select count(*) from records) + "
                                     "(select count(*) from entries)"))
        self.assertGreaterEqual(self.number("select record_count from batches where id = 1"),
                                kept)

    def number(self, query):
        return int(self.sqlite(query))



if __name__ == "__main__":
    sys.exit(run_tests("vtrecords_tool"))
