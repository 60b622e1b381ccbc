#!/usr/bin/python3
"""dorvik-query's typed outputs read by independent readers: the JSON against the shipped schema (its numbers
agree with the grid's texts at full precision), and the Excel workbook through openpyxl (values, types,
formats, the frozen and filtered headings, the query sheet).
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
# Grid column -> the line's figure (None: not a figure)
FIGURES = {4: "mid_band_mhz", 5: "attenuation_db_per_100ft", 6: "attenuation_db_per_100m",
           7: "total_attenuation_db", 8: "insertion_loss_db", 9: "efficiency_percent", 10: "peak_power_kw",
           11: "average_power_kw"}


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

    def test_numbers_agree_with_the_grid_texts_at_full_precision(self):
        query = "band_800_1000.dvk"
        d = self.document("--currency", "EUR", os.path.join(DATA, query))
        self.assertEqual(len(d["lines"]), len(d["rows"]))
        for line, row in zip(d["lines"], d["rows"]):
            self.assertEqual(line["part_number"], row[0])
            self.assertEqual("%g-%g" % (line["band_mhz"]["low"], line["band_mhz"]["high"]), row[1])
            for column, name in FIGURES.items():
                value = line[name]
                if column == 4:
                    self.assertEqual("%g" % value, row[3])
                else:
                    self.assertEqual(half_up_2(value), row[column - 1], name)
            self.assertEqual("EUR " + half_up_2(line["price_per_foot"]["amount"]), row[12])
            self.assertEqual(line["price_per_foot"]["currency"], "EUR")
            self.assertAlmostEqual(line["price_per_meter"]["amount"],
                                   line["price_per_foot"]["amount"] * 3.2808)
        # Full precision: not the grid's two decimals.
        self.assertTrue(any(round(l["attenuation_db_per_100m"], 2) != l["attenuation_db_per_100m"]
                            for l in d["lines"]))
        self.assertEqual(d["query"], {"part_number": None, "band_mhz": {"low": 800, "high": 1000},
                                      "max_loss_db": None, "length": 100, "units": "ft", "vswr": 1.1,
                                      "connector_1": None, "connector_2": None,
                                      "families": ["foam", "air", "waveguide"]})
        self.assertEqual(d["format_version"], 2)

    def test_figures_the_grid_leaves_out_are_null(self):
        # A part number without a length: no figures but the prices, in dollars.
        d = self.document("--part", "TC-100")
        line = d["lines"][0]
        self.assertNotIn("longest_run_within_budget", line)
        for name in list(FIGURES.values()) + ["derated_average_power_kw"]:
            self.assertIsNone(line[name], name)
        self.assertEqual(line["price_per_foot"]["currency"], "USD")
        self.assertEqual(d["query"]["part_number"], "TC-100")
        # A length of 0 on the query page: "N/A" in the grid, null here.
        with open(os.path.join(DATA, "band_800_1000.dvk"), encoding="ascii") as saved:
            text = saved.read().replace("Length=100", "Length=0")
        with tempfile.NamedTemporaryFile("w", suffix=".dvk", delete=False) as query:
            query.write(text)
        d = self.document(query.name)
        self.assertEqual(d["rows"][0][6:9], ["N/A", "N/A", "N/A"])
        self.assertEqual([d["lines"][0][n] for n in ("total_attenuation_db", "insertion_loss_db",
                                                     "efficiency_percent")], [None, None, None])

    def test_a_query_by_loss_gives_each_line_its_longest_run(self):
        with open(os.path.join(DATA, "band_800_1000.dvk"), encoding="ascii") as saved:
            text = saved.read().replace("ByLoss=False", "ByLoss=True").replace("MaxLoss=0", "MaxLoss=6")
        with tempfile.NamedTemporaryFile("w", suffix=".dvk", delete=False) as query:
            query.write(text.replace("Length=100", "Length=10").replace("Units=F", "Units=M"))
        d = self.document(query.name)
        self.assertEqual((d["query"]["max_loss_db"], d["query"]["units"]), (6, "m"))
        runs = [line["longest_run_within_budget"] for line in d["lines"]]
        self.assertEqual([half_up_2(run) for run in runs], d["longest_run_within_budget"]["rows"])


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

    def test_a_part_number_without_a_length_has_no_figure_columns(self):
        headings = next(self.workbook("--part", "TC-100")["Lines"].iter_rows(values_only=True))
        self.assertNotIn("Attenuation (dB/100 ft)", headings)
        self.assertIn("List Price Per Foot (USD)", headings)

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
