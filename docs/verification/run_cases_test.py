#!/usr/bin/env python3
"""Tests of run-cases: its check of the manual and its readers of the peers' and the plot files."""
import importlib.machinery
import importlib.util
import pathlib
import tempfile
import unittest

HERE = pathlib.Path(__file__).resolve().parent
_loader = importlib.machinery.SourceFileLoader("run_cases", str(HERE / "run-cases"))
_spec = importlib.util.spec_from_loader("run_cases", _loader)
run_cases = importlib.util.module_from_spec(_spec)
_loader.exec_module(run_cases)

PRINTED = ["| case | tip | total |", "|---|---|---|", "| C1 | 100.00 ft | 404.8 kips |",
           "| C2 | 30.00 m | 9830.8 kN |", ""]


class CheckTest(unittest.TestCase):
    def test_manual_against_printed_tables(self):
        cases = [
            # (what the manual holds, how many problems the check must find)
            ("the same table", PRINTED, 0),
            ("the same table amid prose and other tables",
             ["text", "| case | pile |", "| C1 | closed |", ""] + PRINTED + ["more text"], 0),
            ("one figure differs", [l.replace("404.8", "404.9") for l in PRINTED], 2),
            ("a row left out", PRINTED[:2] + PRINTED[3:], 1),
            ("a stale row left in", PRINTED[:4] + ["| C3 | 40.00 m | 7930.5 kN |", ""], 1),
            ("the table missing", ["text"], 3),  # its heading and both rows
        ]
        for name, manual, count in cases:
            with self.subTest(name):
                self.assertEqual(len(run_cases.check(manual, PRINTED)), count)


class ReadersTest(unittest.TestCase):
    def test_plot_file(self):
        # One curve of two rows (depth, Qs, Qb, Qt, f), then two t-z curves of two points each
        # (t, z); tmax is the larger t of each curve.
        text = ("1 2 2 4\n0.0 0.0 0.0 0.0 0.0\n1.0 3.0 4.0 7.0 2.5\n2\n"
                "1 2 0.0\n0.0 0.0\n1.5 0.001\n2 2 1.0\n0.0 0.0\n2.5 0.001\n")
        with tempfile.TemporaryDirectory() as tmp:
            plot = pathlib.Path(tmp) / "p.tv6p"
            plot.write_text(text)
            capacity, tz, units = run_cases.read_plot(plot)
        self.assertEqual(capacity[1.0], (2.5, 3.0, 4.0, 7.0))
        self.assertEqual(tz, [(0.0, 1.5), (1.0, 2.5)])
        self.assertEqual(units, 2)

    def test_peers_file_refuses_what_it_does_not_know(self):
        cases = [
            ("tip C1 openpile 1 2 3 4\n", None),
            ("tip C1 openpile 1 2 3\n", SystemExit),  # a value short
            ("depth C1 openpile f 6 x\n", SystemExit),  # not a number
            ("peer C1 openpile 1 2 3 4\n", SystemExit),  # no such record
        ]
        for text, error in cases:
            with self.subTest(text), tempfile.TemporaryDirectory() as tmp:
                path = pathlib.Path(tmp) / "peers.txt"
                path.write_text("# comment\n\n" + text)
                if error:
                    self.assertRaises(error, run_cases.read_peers, path)
                else:
                    self.assertEqual(run_cases.read_peers(path)[0], {"C1": {"openpile": (1, 2, 3, 4)}})


if __name__ == "__main__":
    unittest.main()
