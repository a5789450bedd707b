#!/usr/bin/env python3
"""The rules of the colour table generator, on small made-up source rows."""

import pathlib
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tools"))
import make_colour_table as gen  # noqa: E402


def customary(line, name, hex_code, origin="ja", reading=""):
    fields = {"name": name, "reading": reading, "hex": hex_code, "origin": origin}
    return gen.Row("jis-customary.tsv", line, fields)


def web(line, keyword, hex_code, katakana):
    return gen.Row("css-named.tsv", line, {"keyword": keyword, "hex": hex_code,
                                           "katakana": katakana})


def lines(table):
    return table.decode("cp932").split("\r\n")


class ReadingRule(unittest.TestCase):
    def test_which_names_get_a_reading(self):
        cases = {
            "桜色": True,          # a kanji besides 色
            "生成り色": True,      # kanji mixed with kana
            "色々": True,          # the iteration mark repeats a kanji and is read like one
            "﨑色": True,           # compatibility ideograph that code page 932 holds
            "とき色": False,       # 色 is the only kanji
            "色": False,
            "からくれない": False,
            "ローズ": False,
            "〆色": False,         # a mark, not an ideograph
        }
        for name, expected in cases.items():
            with self.subTest(name=name):
                self.assertEqual(gen.needs_reading(name), expected)


class TableBuilding(unittest.TestCase):
    def test_groups_follow_each_other_whatever_the_source_order(self):
        rows = [customary(2, "ローズ", "D94177", origin="foreign"),
                customary(3, "桜色", "ffdbed", reading="さくらいろ"),
                customary(4, "とき色", "f9a1d0")]
        table, _ = gen.build_table(rows, [web(2, "aliceblue", "f0f8ff", "アリスブルー")])
        self.assertEqual(lines(table), ["桜色（さくらいろ）,ffdbed", "とき色,f9a1d0",
                                        "ローズ,d94177", "*aliceblue（アリスブルー）,f0f8ff", ""])

    def test_rows_without_code_are_left_out_and_named(self):
        rows = [customary(2, "金色", "", reading="きんいろ"), customary(3, "とき色", "f9a1d0")]
        table, left_out = gen.build_table(rows, [web(2, "gold", "", "ゴールド")])
        self.assertEqual(lines(table), ["とき色,f9a1d0", ""])
        self.assertEqual(len(left_out), 2)
        self.assertIn("line 2", left_out[0])
        self.assertIn("金色", left_out[0])
        self.assertIn("gold", left_out[1])

    def test_full_table_fits_the_program(self):
        rows = [customary(n, "とき色", "f9a1d0") for n in range(2, 2 + gen.TABLE_CAPACITY)]
        table, _ = gen.build_table(rows, [])
        self.assertEqual(len(lines(table)), gen.TABLE_CAPACITY + 1)


class RefusedRows(unittest.TestCase):
    """Each of these rows would reach the user wrong, so the build stops and names the row."""

    def assert_refused(self, customary_rows, web_rows, where):
        with self.assertRaises(gen.TableError) as caught:
            gen.build_table(customary_rows, web_rows)
        self.assertIn(where, str(caught.exception))

    def test_refused_customary_rows(self):
        cases = {
            "wave dash would come back as a full-width tilde": customary(5, "とき〜色", "f9a1d0"),
            "minus sign would come back as a hyphen": customary(5, "とき−色", "f9a1d0"),
            "accented letter has no code page 932 form": customary(5, "Rosé", "f9a1d0",
                                                                  origin="foreign"),
            "kanji name without reading": customary(5, "桜色", "ffdbed"),
            "comma would split the name": customary(5, "とき,色", "f9a1d0"),
            "star would mark a web keyword": customary(5, "*とき色", "f9a1d0"),
            "full-width parenthesis would cut the name": customary(5, "とき（色", "f9a1d0"),
            "ideographic space would be trimmed": customary(5, "とき色\u3000", "f9a1d0"),
            "three-digit code never matches": customary(5, "とき色", "f9a"),
            "hash prefix never matches": customary(5, "とき色", "#f9a1d0"),
            "unknown origin": customary(5, "とき色", "f9a1d0", origin="jp"),
            "empty name": customary(5, "", "f9a1d0"),
        }
        for problem, row in cases.items():
            with self.subTest(problem):
                self.assert_refused([customary(2, "とき色", "f9a1d0"), row], [],
                                    "jis-customary.tsv line 5")

    def test_refused_web_rows(self):
        cases = {
            "upper-case keyword": web(7, "AliceBlue", "f0f8ff", "アリスブルー"),
            "keyword with a hyphen": web(7, "alice-blue", "f0f8ff", "アリスブルー"),
            "empty katakana": web(7, "aliceblue", "f0f8ff", ""),
        }
        for problem, row in cases.items():
            with self.subTest(problem):
                self.assert_refused([], [row], "css-named.tsv line 7")

    def test_more_entries_than_the_program_reads(self):
        rows = [customary(n, "とき色", "f9a1d0") for n in range(2, 3 + gen.TABLE_CAPACITY)]
        self.assert_refused(rows, [], str(gen.TABLE_CAPACITY))


class SourceReading(unittest.TestCase):
    def read(self, text):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "jis-customary.tsv"
            path.write_text(text, encoding="utf-8")
            return gen.read_tsv(path, ("name", "hex"))

    def test_columns_are_found_by_header_name(self):
        rows = self.read("source\thex\tname\nwiki\tf9a1d0\tとき色\n")
        self.assertEqual((rows[0]["name"], rows[0]["hex"]), ("とき色", "f9a1d0"))
        self.assertEqual(rows[0].where(), "jis-customary.tsv line 2")

    def test_row_with_a_missing_field_is_refused(self):
        with self.assertRaisesRegex(gen.TableError, "line 3"):
            self.read("name\thex\tsource\nとき色\tf9a1d0\twiki\n桜色\tffdbed\n")

    def test_missing_column_is_refused(self):
        with self.assertRaisesRegex(gen.TableError, "hex"):
            self.read("name\tcode\nとき色\tf9a1d0\n")


if __name__ == "__main__":
    unittest.main()
