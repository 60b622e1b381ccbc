#!/usr/bin/python3
"""dorvik-query's typed outputs read by independent readers: the JSON against the shipped schema and the Excel
workbook through openpyxl (values, types, formats, the frozen and filtered headings, the query sheet). For a
table of queries, every output carries the grid's figures cell for cell.
Usage: typed_outputs_test.py DORVIK_QUERY SOURCE_DIR"""
import json
import math
import os
import stat
import subprocess
import sys
import tempfile
import unittest

import jsonschema
import openpyxl

TOOL, SOURCE = sys.argv[1], sys.argv[2]
DATA = os.path.join(SOURCE, "tests", "data", "cli")
with open(os.path.join(SOURCE, "packaging", "dorvik-query-output.schema.json"), encoding="utf-8") as schema:
    SCHEMA = json.load(schema)
FILES = ["--catalogue", os.path.join(DATA, "Freq_TLine_Connectors.dat"), "--prices",
         os.path.join(DATA, "M_lom.dat"), "--rates", os.path.join(DATA, "xcngrate.dat")]
# The grid's heading (up to the currency) -> the line's figure in JSON
FIGURES = {"Mid Band Frequency (MHz)": "mid_band_mhz", "Attenuation (dB/100 ft)": "attenuation_db_per_100ft",
           "Attenuation (dB/100m)": "attenuation_db_per_100m", "Total Attenuation (dB)": "total_attenuation_db",
           "Insertion Loss (dB)": "insertion_loss_db", "Efficiency (%)": "efficiency_percent",
           "Peak Power (kW)": "peak_power_kw", "Avg. Power (kW)": "average_power_kw",
           "VSWR Derated Avg. Pwr. (kW)": "derated_average_power_kw",
           "List Price Per Foot": "price_per_foot", "List Price Per Meter": "price_per_meter"}


def saved_query(**values):
    """band_800_1000.dvk with some keys changed."""
    with open(os.path.join(DATA, "band_800_1000.dvk"), encoding="ascii") as saved:
        lines = saved.read().splitlines()
    lines = [l if l.split("=")[0] not in values else "%s=%s" % (l.split("=")[0], values[l.split("=")[0]])
             for l in lines]
    with tempfile.NamedTemporaryFile("w", suffix=".dvk", delete=False) as query:
        query.write("\n".join(lines) + "\n")
    return query.name


def number_in(text):
    """The number a grid text shows ("EUR 1,234.50" -> 1234.5), None for "N/A" or nothing."""
    text = text.split(" ")[-1].lstrip("$").replace(",", "")
    return None if text in ("", "N/A") else float(text)


def run(*args):
    home = tempfile.mkdtemp()
    env = {"PATH": "/usr/bin:/bin", "HOME": home, "LC_ALL": "C", "XDG_CONFIG_DIRS": home}
    return subprocess.run([TOOL, *FILES, *args], capture_output=True, env=env, check=False)


def half_up_2(value):
    """The grid's "%.2f": halves away from zero."""
    return "%.2f" % (math.floor(abs(value) * 100 + 0.5) / 100 * (1 if value >= 0 else -1))


class TypedJson(unittest.TestCase):
    def document(self, *args):
        result = run("--format", "json", *args)
        self.assertEqual(result.returncode, 0, result.stderr)
        document = json.loads(result.stdout)
        jsonschema.validate(document, SCHEMA)
        return document

    def test_a_query_by_loss_gives_each_line_its_longest_run(self):
        with open(os.path.join(DATA, "band_800_1000.dvk"), encoding="ascii") as saved:
            text = saved.read().replace("ByLoss=False", "ByLoss=True").replace("MaxLoss=0", "MaxLoss=6")
        with tempfile.NamedTemporaryFile("w", suffix=".dvk", delete=False) as query:
            query.write(text.replace("Length=100", "Length=10").replace("Units=F", "Units=M"))
        d = self.document(query.name)
        self.assertEqual((d["query"]["max_loss_db"], d["query"]["units"]), (6, "m"))
        runs = [line["longest_run_within_budget"] for line in d["lines"]]
        self.assertEqual([half_up_2(run) for run in runs], d["longest_run_within_budget"]["rows"])


class EveryOutputCarriesTheGridsFigures(unittest.TestCase):
    QUERIES = [
        ("band in EUR", ["--currency", "EUR", os.path.join(DATA, "band_800_1000.dvk")]),
        ("below a waveguide's cutoff, in HKD", ["--currency", "hkd", os.path.join(DATA, "below_cutoff.dvk")]),
        ("length 0", [saved_query(Length=0)]),
        ("by loss in meters", [saved_query(ByLoss="True", MaxLoss=6, Length=10, Units="M")]),
        ("VSWR 1.5 in GBP", ["--currency", "GBP", saved_query(VSWR=1.5)]),
        ("part with a length", ["--part", "TC-100|100|M"]),
        ("part without a length", ["--part", "TC-100"]),
    ]

    def test_tsv_json_and_workbook_agree_cell_for_cell(self):
        columns = {}
        for name, args in self.QUERIES:
            with self.subTest(name):
                tsv = run("--format", "tsv", *args)
                self.assertEqual(tsv.returncode, 0, tsv.stderr)
                cells = [l.split("\t")[:-1] for l in tsv.stdout.decode("cp1252").split("\r\n") if l]
                headings, rows = cells[0], cells[1:]
                js = run("--format", "json", *args)
                self.assertEqual(js.returncode, 0, js.stderr)
                self.assertEqual(js.stderr, tsv.stderr)
                d = json.loads(js.stdout)
                jsonschema.validate(d, SCHEMA)
                self.assertEqual(d["rows"], rows)
                path = os.path.join(tempfile.mkdtemp(), "lines.xlsx")
                xlsx = run("--format", "xlsx", "--output", path, *args)
                self.assertEqual(xlsx.returncode, 0, xlsx.stderr)
                book = list(openpyxl.load_workbook(path)["Lines"].iter_rows(values_only=True))
                book_column = {h: i for i, h in enumerate(book[0])}
                columns[name] = [h for h in book[0] if "Run" not in h]
                for line, row, values in zip(d["lines"], rows, book[1:]):
                    for text, heading in zip(row, headings):
                        figure = FIGURES.get(heading.split(" (")[0] if "Price" in heading else heading)
                        if figure is None:
                            continue
                        shown = number_in(text)
                        value = line[figure]["amount"] if "price" in figure else line[figure]
                        self.assertEqual(value, shown, (row[0], heading))
                        cell = values[book_column[heading.replace("$US", "USD")]]
                        expected = shown if shown is not None else ("N/A" if text else None)
                        self.assertEqual(cell, expected, (row[0], heading))
        # The same workbook columns whatever the length, or the query.
        first = [h.split(" (")[0] for h in columns["band in EUR"]]
        for name, headings in columns.items():
            self.assertEqual([h.split(" (")[0] for h in headings], first, name)

    def test_a_query_that_lists_nothing_is_still_a_document(self):
        result = run("--format", "json", os.path.join(DATA, "no_lines.dvk"))
        self.assertEqual(result.returncode, 1)
        d = json.loads(result.stdout)
        jsonschema.validate(d, SCHEMA)
        self.assertEqual((d["rows"], d["lines"]), ([], []))


class Workbook(unittest.TestCase):
    def workbook(self, *args):
        path = os.path.join(tempfile.mkdtemp(), "lines.xlsx")
        result = run("--format", "xlsx", "--output", path, *args)
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertEqual(result.stdout, b"")
        return openpyxl.load_workbook(path)

    def test_cells_are_numbers_with_their_formats_and_the_query_has_a_sheet(self):
        query = os.path.join(DATA, "band_800_1000.dvk")
        d = json.loads(run("--currency", "EUR", "--format", "json", query).stdout)
        book = self.workbook("--currency", "EUR", query)
        self.assertEqual(book.sheetnames, ["Lines", "Query"])
        sheet = book["Lines"]
        rows = list(sheet.iter_rows(values_only=True))
        headings = rows[0]
        self.assertEqual(len(rows) - 1, len(d["lines"]))
        self.assertEqual(sheet.freeze_panes, "A2")
        self.assertEqual(sheet.auto_filter.ref, "A1:%s%d" % (openpyxl.utils.get_column_letter(len(headings)),
                                                             len(rows)))
        column = {heading: i for i, heading in enumerate(headings)}
        for values, line in zip(rows[1:], d["lines"]):
            self.assertEqual(values[column["Part Number"]], line["part_number"])
            self.assertEqual(values[column["Band Low (MHz)"]], line["band_mhz"]["low"])
            self.assertEqual(values[column["Attenuation (dB/100m)"]], line["attenuation_db_per_100m"])
            self.assertEqual(values[column["Insertion Loss (dB)"]], line["insertion_loss_db"])
            self.assertEqual(values[column["List Price Per Foot (EUR)"]], line["price_per_foot"]["amount"])
            self.assertGreaterEqual(sum(isinstance(v, (int, float)) for v in values), 12)
        second = list(sheet.iter_rows(min_row=2, max_row=2))[0]
        self.assertEqual(second[column["Attenuation (dB/100 ft)"]].number_format, "0.00")
        self.assertIn("EUR", second[column["List Price Per Foot (EUR)"]].number_format)
        self.assertEqual(second[column["List Price Per Foot (EUR)"]].data_type, "n")
        # Fitted: the description's column is wider than a number's, and every one has a width set.
        widths = {h: sheet.column_dimensions[openpyxl.utils.get_column_letter(i + 1)].width
                  for i, h in enumerate(headings)}
        self.assertGreater(widths["Description"], widths["Peak Power (kW)"])
        self.assertGreaterEqual(widths["Description"], max(len(l["description"]) for l in d["lines"]))
        query_rows = dict(book["Query"].iter_rows(values_only=True))
        self.assertEqual(query_rows["Beginning Frequency (MHz)"], 800)
        self.assertEqual(query_rows["Length"], 100)
        self.assertEqual(query_rows["Currency"], "EUR")
        self.assertEqual(query_rows["Lines Found"], len(d["lines"]))

    def test_refusals(self):
        folder = tempfile.mkdtemp()
        query = os.path.join(DATA, "band_800_1000.dvk")
        for args in (["--format", "xlsx", query], ["--output", os.path.join(folder, "x.xlsx"), query],
                     ["--format", "xlsx", "--output", folder, query]):
            result = run(*args)
            self.assertEqual(result.returncode, 2, args)
            self.assertTrue(result.stderr.startswith(b"dorvik-query: "), result.stderr)
        self.assertEqual(os.listdir(folder), [])
        # A character device is written as a stream, as for --pdf and --chart, and never replaced.
        self.assertEqual(run("--format", "xlsx", "--output", "/dev/null", query).returncode, 0)
        self.assertTrue(stat.S_ISCHR(os.stat("/dev/null").st_mode))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=1)
