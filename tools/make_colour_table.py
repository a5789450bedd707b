#!/usr/bin/env python3
"""Builds the shipped colour table data/kolvarenta.dat from the fact tables in data/sources/.

    tools/make_colour_table.py          write data/kolvarenta.dat
    tools/make_colour_table.py --check  exit 1 when the committed file differs from the output

The entries come in three groups, each in its source file's order: the Japanese customary
names, the foreign (katakana) customary names, then the web colour keywords. A lookup takes the
first entry of a repeated code, so this order lets the Japanese names win.

Any row the program could not show or speak right stops the build with a message naming it;
only rows without a colour code are left out, and each is named on standard error.
"""

import argparse
import pathlib
import re
import sys
import unicodedata

PROJECT_DIR = pathlib.Path(__file__).resolve().parent.parent
SOURCES_DIR = PROJECT_DIR / "data" / "sources"
TABLE_PATH = PROJECT_DIR / "data" / "kolvarenta.dat"
CUSTOMARY_FILE = "jis-customary.tsv"
WEB_FILE = "css-named.tsv"

# The program stores at most this many entries and never reads the rest of the file.
TABLE_CAPACITY = 500
ORIGINS = ("ja", "foreign")
HEX_CODE = re.compile(r"[0-9a-fA-F]{6}")
WEB_KEYWORD = re.compile(r"[a-z]+")
READING_OPEN = "（"
READING_CLOSE = "）"
WEB_MARK = "*"
# The program trims these two from both ends of a name, and a comma ends the name.
TRIMMED_BLANKS = " \u3000"


class TableError(Exception):
    """A source row that cannot become a sound table entry."""


class Row:
    """One data row of a source table, with where it stands for messages."""

    def __init__(self, file_name, line_number, fields):
        self.file_name = file_name
        self.line_number = line_number
        self.fields = fields

    def __getitem__(self, column):
        return self.fields[column]

    def where(self):
        return f"{self.file_name} line {self.line_number}"

    def fail(self, problem):
        raise TableError(f"{self.where()}: {problem}")


def read_tsv(path, columns):
    """Reads a tab-separated UTF-8 table with a header line naming at least the given columns."""
    lines = path.read_text(encoding="utf-8").splitlines()
    if not lines:
        raise TableError(f"{path.name}: empty file")
    header = lines[0].split("\t")
    missing = [c for c in columns if c not in header]
    if missing:
        raise TableError(f"{path.name}: no column {', '.join(missing)}")
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        fields = line.split("\t")
        if len(fields) != len(header):
            raise TableError(f"{path.name} line {number}: {len(fields)} fields, "
                             f"the header has {len(header)}")
        rows.append(Row(path.name, number, dict(zip(header, fields))))
    return rows


def is_kanji(char):
    """A character whose reading a speech engine may guess wrong: any CJK ideograph, and the
    iteration mark 々, which repeats the ideograph before it and so is read like one."""
    if char == "々":
        return True
    name = unicodedata.name(char, "")
    return name.startswith(("CJK UNIFIED IDEOGRAPH", "CJK COMPATIBILITY IDEOGRAPH"))


def needs_reading(name):
    # 色 alone is always read いろ here, so a name whose only kanji is 色 is left bare.
    return any(is_kanji(c) and c != "色" for c in name)


def colour_code(row, column):
    text = row[column]
    if not HEX_CODE.fullmatch(text):
        row.fail(f"colour code {text!r} is not six hexadecimal digits")
    return text.lower()


def plain_field(row, column):
    """A name part that the table file would cut, trim or misread fails here."""
    text = row[column]
    if not text:
        row.fail(f"empty {column}")
    if text[0] in TRIMMED_BLANKS or text[-1] in TRIMMED_BLANKS:
        row.fail(f"{column} {text!r} has blanks at its ends")
    for char in ",*" + READING_OPEN + READING_CLOSE:
        if char in text:
            row.fail(f"{column} {text!r} holds {char!r}")
    if any(unicodedata.category(c).startswith("C") for c in text):
        row.fail(f"{column} {text!r} holds a control character")
    return text


def customary_entries(rows, origin, left_out):
    entries = []
    for row in rows:
        if row["origin"] not in ORIGINS:
            row.fail(f"unknown origin {row['origin']!r}")
        if row["origin"] != origin:
            continue
        name = plain_field(row, "name")
        if not row["hex"]:
            left_out.append(f"{row.where()}: {name} has no colour code")
            continue
        code = colour_code(row, "hex")
        if origin == "ja" and needs_reading(name):
            if not row["reading"]:
                row.fail(f"{name} holds a kanji but has no reading")
            name += READING_OPEN + plain_field(row, "reading") + READING_CLOSE
        entries.append((row, name, code))
    return entries


def web_entries(rows, left_out):
    entries = []
    for row in rows:
        keyword = plain_field(row, "keyword")
        if not WEB_KEYWORD.fullmatch(keyword):
            row.fail(f"keyword {keyword!r} is not lower-case letters")
        name = WEB_MARK + keyword + READING_OPEN + plain_field(row, "katakana") + READING_CLOSE
        if not row["hex"]:
            left_out.append(f"{row.where()}: {keyword} has no colour code")
            continue
        entries.append((row, name, colour_code(row, "hex")))
    return entries


def encode_entry(row, name, code):
    """One line in code page 932. The codec maps some characters to a different one (〜 comes
    back as ～), which would change what the user hears, so only exact round trips pass."""
    line = f"{name},{code}"
    for char in line:
        try:
            back = char.encode("cp932").decode("cp932")
        except UnicodeEncodeError:
            row.fail(f"{name} holds {char} (U+{ord(char):04X}), which code page 932 lacks")
        if back != char:
            row.fail(f"{name} holds {char} (U+{ord(char):04X}), which code page 932 turns "
                     f"into {back} (U+{ord(back):04X})")
    return line.encode("cp932") + b"\r\n"


def build_table(customary_rows, web_rows):
    """Returns the table file's bytes and the notes on rows left out."""
    left_out = []
    entries = (customary_entries(customary_rows, "ja", left_out)
               + customary_entries(customary_rows, "foreign", left_out)
               + web_entries(web_rows, left_out))
    if len(entries) > TABLE_CAPACITY:
        raise TableError(f"{len(entries)} entries; the program reads only {TABLE_CAPACITY}")
    return b"".join(encode_entry(*entry) for entry in entries), left_out


def build_from_sources(sources_dir):
    customary = read_tsv(sources_dir / CUSTOMARY_FILE, ("name", "reading", "hex", "origin"))
    web = read_tsv(sources_dir / WEB_FILE, ("keyword", "hex", "katakana"))
    return build_table(customary, web)


def main(argv):
    parser = argparse.ArgumentParser(description="Build the shipped colour table.")
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed file instead of writing it")
    args = parser.parse_args(argv)
    try:
        table, left_out = build_from_sources(SOURCES_DIR)
    except (TableError, OSError) as error:
        print(f"make_colour_table: {error}", file=sys.stderr)
        return 2
    if args.check:
        if not TABLE_PATH.is_file() or TABLE_PATH.read_bytes() != table:
            print(f"make_colour_table: {TABLE_PATH} differs from what its sources give; "
                  "run tools/make_colour_table.py", file=sys.stderr)
            return 1
        return 0
    TABLE_PATH.write_bytes(table)
    for note in left_out:
        print(f"left out: {note}", file=sys.stderr)
    print(f"{TABLE_PATH}: {len(table.splitlines())} entries")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
