#!/usr/bin/env python3
"""Release archives of the program folders: one zip per folder, its entries under the
folder's name ("decision/decision.exe").  Entry names are UTF-8 and, where they hold
characters beyond ASCII, carry the UTF-8 name flag (general purpose bit 11), which
zipfile sets by itself, so Chinese names unpack correctly everywhere.

  archives.py write <folder> <zip>   writes the archive of one folder
  archives.py check <folder> <zip>   exits 1 unless the archive holds exactly the
                                     folder's files, unchanged, with the flag where needed
"""
import os
import sys
import zipfile
import zlib

UTF8_NAME_FLAG = 0x800


def folder_files(folder):
    """Every file under folder: its entry name in the archive -> its path."""
    base = os.path.basename(os.path.normpath(folder))
    files = {}
    for root, _, names in os.walk(folder):
        for name in names:
            path = os.path.join(root, name)
            relative = os.path.relpath(path, folder).replace(os.sep, "/")
            files[f"{base}/{relative}"] = path
    return files


def write(folder, archive):
    with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as out:
        for name, path in sorted(folder_files(folder).items()):
            out.write(path, name)


def crc_of(path):
    crc = 0
    with open(path, "rb") as f:
        for block in iter(lambda: f.read(1 << 16), b""):
            crc = zlib.crc32(block, crc)
    return crc


def check(folder, archive):
    problems = []
    files = folder_files(folder)
    with zipfile.ZipFile(archive) as zin:
        entries = {info.filename: info for info in zin.infolist()}
    for name in sorted(files.keys() - entries.keys()):
        problems.append(f"missing from the archive: {name}")
    for name in sorted(entries.keys() - files.keys()):
        problems.append(f"not in the folder: {name}")
    for name in sorted(files.keys() & entries.keys()):
        info, path = entries[name], files[name]
        if info.file_size != os.path.getsize(path) or info.CRC != crc_of(path):
            problems.append(f"differs from the folder's file: {name}")
        if not name.isascii() and not info.flag_bits & UTF8_NAME_FLAG:
            problems.append(f"no UTF-8 name flag: {name}")
    for problem in problems:
        print(f"{archive}: {problem}", file=sys.stderr)
    if not files:
        problems.append("empty folder")
        print(f"{folder}: no files", file=sys.stderr)
    return not problems


def main(argv):
    if len(argv) != 4 or argv[1] not in ("write", "check"):
        print(__doc__, file=sys.stderr)
        return 2
    if argv[1] == "write":
        write(argv[2], argv[3])
        return 0
    ok = check(argv[2], argv[3])
    if ok:
        print(f"{argv[3]}: every file of {argv[2]}, names flagged UTF-8")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
