"""Imports the sample exports with Python's csv module, as a contacts import would read them.

Every record must parse as 86 fields that give back the name, address and type it was made
from; the header must parse as 92 names and open the file, and a second export into the same
file must add records only.
"""
import csv
import pathlib
import sys

folder = pathlib.Path(sys.argv[1])
expected = []
for line in (folder / "expected.txt").read_text(encoding="ascii").splitlines():
    name, address, kind = (bytes.fromhex(part).decode("latin-1") for part in line.split("|"))
    expected.append((name, address, kind))

failures = []
for file_name, delimiter in (("export.csv", ","), ("export.txt", "\t")):
    raw = (folder / file_name).read_bytes()
    if not raw.endswith(b"\r\n"):
        failures.append(f"{file_name}: last line not ended by CR LF")
    # latin-1 maps every byte to one character, so the comparison is byte for byte.
    with open(folder / file_name, newline="", encoding="latin-1") as handle:
        records = list(csv.reader(handle, delimiter=delimiter, strict=True))
    want_count = 1 + 2 * len(expected)
    if len(records) != want_count:
        failures.append(f"{file_name}: {len(records)} records, expected {want_count}")
        continue
    header = records[0]
    if len(header) != 92 or header[0] != "Title" or header[-1] != "Web Page":
        failures.append(f"{file_name}: bad header {header[:3]}... ({len(header)} fields)")
    for export in range(2):
        start = export * len(expected)
        for offset, (name, address, kind) in enumerate(expected, start=1):
            record = records[start + offset]
            where = f"{file_name} record {start + offset}"
            if len(record) != 86:
                failures.append(f"{where}: {len(record)} fields")
                continue
            got = (record[1], record[57], record[58], record[59])
            want = (name, address, kind, f"{name} ({address})")
            if got != want:
                failures.append(f"{where}: {got!r} != {want!r}")
            if record[85] != "Normal" or not record[77].startswith("Imported from Outlook"):
                failures.append(f"{where}: fixed fields differ")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
