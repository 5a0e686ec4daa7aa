#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The benchmark runner's own arithmetic: what it reads from callgrind and
/proc, and how medians become ratios and verdicts against the targets."""

import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "bench"))
import run_bench  # noqa: E402


class Parsing(unittest.TestCase):
    def test_callgrind_total_is_the_last_collected_line(self):
        stderr = ("==71== Callgrind, a call-graph generating cache profiler\n"
                  "==71== Collected : 12\n"      # a child's summary comes first
                  "==70== Events    : Ir\n"
                  "==70== Collected : 97644388\n"
                  "==70== I   refs:      97,644,388\n")
        self.assertEqual(run_bench.parse_collected(stderr), 97644388)
        self.assertIsNone(run_bench.parse_collected("valgrind: command not found\n"))

    def test_rss_comes_from_vmrss_not_vmhwm(self):
        status = "Name:\tbenchlist\nVmHWM:\t   40000 kB\nVmRSS:\t   32404 kB\nThreads:\t3\n"
        self.assertEqual(run_bench.parse_rss_kib(status), 32404)
        self.assertIsNone(run_bench.parse_rss_kib("Name:\tzombie\n"))


class Figures(unittest.TestCase):
    def test_median_skips_missing_samples(self):
        self.assertEqual(run_bench.median([3, None, 1, 2]), 2)
        self.assertEqual(run_bench.median([4, 1, 3, 2]), 2.5)
        self.assertIsNone(run_bench.median([None]))

    def test_rows_give_ratios_to_the_baseline_and_verdicts(self):
        medians = run_bench.summarise({
            "benchlist": {"instructions": [110, 100, 102], "rss_rest_mib": [30.0],
                          "first_frame_ms": [80.0, 40.0], "open_frmNetworking_ms": [33.0]},
            "baseline": {"instructions": [100, 100, 100], "rss_rest_mib": [30.0],
                         "first_frame_ms": [60.0, 60.0]},
        })
        table = {row[0]: row[1:] for row in run_bench.rows(medians)}
        instructions = table[run_bench.LABELS["instructions"]]
        self.assertEqual(instructions, (102, 100, 1.02, 1.02, True))
        self.assertEqual(table[run_bench.LABELS["rss_rest_mib"]][2:], (1.0, 1.04, True))
        self.assertEqual(table[run_bench.LABELS["first_frame_ms"]][2:], (1.0, 1.05, True))
        share = table["frmNetworking open / main window start"]
        self.assertAlmostEqual(share[0], 33.0 / 60.0)
        self.assertFalse(share[4])
        # A measure the baseline lacks has no ratio and no verdict, and prints as "-".
        memory = table[run_bench.LABELS["rss_all_mib"]]
        self.assertEqual(memory[2:], (None, 1.10, None))
        text = run_bench.markdown(run_bench.rows(medians))
        self.assertIn("| Instructions to first frame (callgrind) | 102 | 100 | 1.020 | "
                      "<= 1.02 (met) |", text)
        self.assertIn("| Memory, nine windows open (RSS, MiB) | - | - | - | <= 1.10 |", text)


if __name__ == "__main__":
    unittest.main()
