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

    def test_plug_rows_of_the_report(self):
        # The capacity table of a report: "*" marks the rows where the plug's friction governs.
        report = ("          Internal Pile Plug Calculated by Program\n"
                  "          0.10E+08* 0.10E+08*       0.00      0.00   0.00\n"
                  "              M.           KN.           KN.          KN.\n"
                  "              0.00           0.0          94.7*        94.7\n"
                  "              0.50          38.5         133.5*       172.1\n"
                  "              1.00          87.2         183.2        270.4\n")
        with tempfile.TemporaryDirectory() as tmp:
            path = pathlib.Path(tmp) / "p.tv6o"
            path.write_text(report)
            self.assertEqual(run_cases.read_plug_rows(path), [(0.0, True), (0.5, True), (1.0, False)])
            path.write_text(report.replace("Calculated by Program", "Unplugged for open-ended pile"))
            self.assertIsNone(run_cases.read_plug_rows(path))

    def test_depth_ranges(self):
        rows = [(0.0, True), (0.5, True), (1.0, False), (1.5, True), (2.0, False), (2.5, False)]
        cases = [
            (rows, True, "0.00 to 0.50, 1.50 m"),
            (rows, False, "1.00, 2.00 to 2.50 m"),
            ([(0.0, False), (1.0, False)], True, "nowhere"),
            ([(0.0, True)], True, "0.00 m"),
        ]
        for given, wanted, expected in cases:
            with self.subTest(expected):
                self.assertEqual(run_cases.depth_ranges(given, wanted, "m"), expected)

    def test_peers_file_refuses_what_it_does_not_know(self):
        cases = [
            ("tip C1 openpile 1 2 3 4\n", None),
            ("tip C1 openpile 1 2 3\n", SystemExit),  # a value short
            ("depth C1 openpile f 6 x\n", SystemExit),  # not a number
            ("peer C1 openpile 1 2 3 4\n", SystemExit),  # no such record
            ("tip\n", SystemExit),  # a kind alone
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
