"""Imports Quillet's vCard exports with python3-vobject, as an address book would.

Every export, written twice to one file (once for the large cache), must parse into exactly one card per grid row with
an Internet address, twice over, with the grid's names and addresses.

usage: check_vcards.py converter QUILLET_CONVERT MAKE_NK2 SAMPLE_NK2 WORK_FOLDER
         the converter's exports of the sample cache, the same cache as an Outlook 2010+
         stream and a generated 10,000-entry Unicode cache; the grid is what
         `--list --format jsonl` prints, and the rows left out are counted on standard error
       check_vcards.py window FOLDER
         the window's export FOLDER/export.vcf of the grid FOLDER/grid.jsonl
"""
import json
import pathlib
import subprocess
import sys

import vobject

failures = []


def run(convert, *arguments):
    return subprocess.run([convert, *arguments], capture_output=True, check=False)


def as_vcard_text(text):
    # A vCard text has a single form of line break and no other control characters but tab.
    text = text.replace("\r\n", "\n").replace("\r", "\n")
    return "".join(c for c in text if c in "\t\n" or not (c < " " or c == "\x7f"))


def check_lines(where, raw):
    if not raw.endswith(b"\r\n"):
        failures.append(f"{where}: last line not ended by CR LF")
    for number, line in enumerate(raw.split(b"\r\n")[:-1], start=1):
        if b"\n" in line or b"\r" in line:
            failures.append(f"{where} line {number}: bare line break")
        if len(line) > 75:
            failures.append(f"{where} line {number}: {len(line)} octets")
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            failures.append(f"{where} line {number}: fold splits a UTF-8 sequence")


def check_cards(where, grid, raw, times=2):
    exported = [row for row in grid if "@" in row["address"]]
    check_lines(where, raw)
    cards = list(vobject.readComponents(raw.decode("utf-8"), validate=True))
    if len(cards) != times * len(exported):
        failures.append(f"{where}: {len(cards)} cards, expected {times * len(exported)}")
        return
    for index, (card, row) in enumerate(zip(cards, exported * times)):
        name = as_vcard_text(row["name"]) or as_vcard_text(row["address"])
        got = (card.version.value, card.fn.value, card.n.value.family, card.email.value,
               card.email.params.get("TYPE"))
        want = ("3.0", name, name, as_vcard_text(row["address"]), ["INTERNET"])
        if got != want:
            failures.append(f"{where} card {index}: {got!r} != {want!r}")


def internet_rows(grid):
    return [(row["name"], row["address"]) for row in grid if "@" in row["address"]]


# Browse's rows: the scan keeps line breaks and other awkward characters in names, which the
# cards must escape (the structural reading turns control characters into blanks).
SCAN = ("--read", "scan")


def check_export(convert, folder, nk2_path, expect_rows=None, times=2):
    where = nk2_path.name
    listed = run(convert, *SCAN, "--list", "--format", "jsonl", str(nk2_path))
    if listed.returncode != 0:
        failures.append(f"{where}: --list failed: {listed.stderr!r}")
        return []
    grid = [json.loads(line) for line in listed.stdout.decode("utf-8").splitlines()]
    if expect_rows is not None and len(grid) != expect_rows:
        failures.append(f"{where}: {len(grid)} grid rows, expected {expect_rows}")
    exported = [row for row in grid if "@" in row["address"]]
    left_out = len(grid) - len(exported)

    target = folder / (nk2_path.stem + ".vcf")
    target.unlink(missing_ok=True)
    for _ in range(times):
        result = run(convert, *SCAN, "-t", "vcf", "-o", str(target), str(nk2_path))
        if result.returncode != 0:
            failures.append(f"{where}: export failed: {result.stderr!r}")
            return grid
        want_err = (
            f"quillet-convert: {left_out} row{'' if left_out == 1 else 's'} without an "
            "Internet address left out of the vCard export\n"
            if left_out
            else ""
        )
        # The scan's own warning about addresses it missed is not the export's business.
        err = "".join(
            line
            for line in result.stderr.decode("utf-8").splitlines(keepends=True)
            if "the scan missed" not in line
        )
        if err != want_err:
            failures.append(f"{where}: stderr {result.stderr!r}, expected {want_err!r}")

    check_cards(where, grid, target.read_bytes(), times)
    return grid


def check_converter(convert, make_nk2, sample, folder):
    sample_grid = check_export(convert, folder, pathlib.Path(sample), expect_rows=12)
    if sum("@" not in row["address"] for row in sample_grid) != 3:
        failures.append("sample: expected its 3 Exchange rows to be left out")

    stream = folder / "Stream_Autocomplete_0_4A3F.dat"
    unicode_cache = folder / "unicode.nk2"
    subprocess.run([make_nk2, "stream", str(stream)], check=True)
    subprocess.run([make_nk2, "unicode", str(unicode_cache), "10000", "7"], check=True)
    stream_grid = check_export(convert, folder, stream, expect_rows=12)
    if internet_rows(stream_grid) != internet_rows(sample_grid):
        failures.append("the stream's cards differ from the sample's")

    # One load reads at most about 9,000 addresses (the scans' step limit), so the grid holds
    # fewer rows than the cache has entries.
    unicode_grid = check_export(convert, folder, unicode_cache, times=1)
    cards = len(internet_rows(unicode_grid))
    if cards < 7000 or cards == len(unicode_grid):
        failures.append(f"unicode cache: {cards} of {len(unicode_grid)} rows exported")
    names = "".join(row["name"] for row in unicode_grid)
    for awkward in (",", ";", '"', "\\", "\n", "王", "Д", "م", "🎉"):
        if awkward not in names:
            failures.append(f"unicode cache: no grid name holds {awkward!r}")


def check_window(folder):
    grid = [json.loads(line) for line in (folder / "grid.jsonl").read_text("utf-8").splitlines()]
    check_cards("window export.vcf", grid, (folder / "export.vcf").read_bytes())


if sys.argv[1] == "converter":
    work = pathlib.Path(sys.argv[5])
    work.mkdir(parents=True, exist_ok=True)
    check_converter(*sys.argv[2:5], work)
else:
    check_window(pathlib.Path(sys.argv[2]))

for failure in failures[:50]:
    print(failure)
sys.exit(1 if failures else 0)
