#!/usr/bin/env python3
"""Packs the release: <base>.zip with velloran.exe and README.txt, and
<base>.sha256 with the SHA-256 sums of the archive and of the program.

The archive is the same bytes on every run: its entries come in a fixed
order with a fixed date and fixed attributes, so nothing of the machine or
the moment ends up in it."""
import hashlib
import os
import sys
import zipfile

FIXED_DATE = (1980, 1, 1, 0, 0, 0)  # the earliest date a zip entry can hold
ARCHIVE_ATTRIBUTE = 0x20  # MS-DOS "archive", what Windows gives a new file


def entry(name):
    info = zipfile.ZipInfo(name, date_time=FIXED_DATE)
    info.create_system = 0  # MS-DOS attributes, no Unix modes
    info.external_attr = ARCHIVE_ATTRIBUTE
    info.compress_type = zipfile.ZIP_DEFLATED
    return info


def crlf(text):
    return text.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")


def sha256(data):
    return hashlib.sha256(data).hexdigest()


def main(exe_path, readme_path, base):
    with open(exe_path, "rb") as f:
        exe = f.read()
    with open(readme_path, "rb") as f:
        readme = crlf(f.read())
    os.makedirs(os.path.dirname(base) or ".", exist_ok=True)
    archive = base + ".zip"
    with zipfile.ZipFile(archive, "w") as z:
        z.writestr(entry("velloran.exe"), exe, compresslevel=9)
        z.writestr(entry("README.txt"), readme, compresslevel=9)
    with open(archive, "rb") as f:
        archive_sum = sha256(f.read())
    # The layout sha256sum writes and reads back with --check.
    sums = f"{archive_sum}  {os.path.basename(archive)}\n{sha256(exe)}  velloran.exe\n"
    with open(base + ".sha256", "w", newline="\n") as f:
        f.write(sums)
    print(f"{archive}\n{base}.sha256")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit("usage: pack-release.py PROGRAM README BASE")
    main(*sys.argv[1:])
