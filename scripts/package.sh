#!/usr/bin/env bash
# Makes the release archive build/dist/Quorvane-<version>.zip (the version is
# the one of project() in CMakeLists.txt) from the built programs and docs/:
#
#   Quorvane.exe                  the 32-bit program, build/win32/Quorvane.exe
#   Quorvane.html                 the help
#   はじめにお読みください.txt    the read-me, Shift-JIS with CR LF
#   LICENSE.txt                   the licence, with CR LF
#   x64/Quorvane.exe              the 64-bit program, build/win64/Quorvane.exe
#   x64/Quorvane.html             the help again, so that the folder a user
#                                 copies has its help beside the program
#
# It packs the programs as they were built and builds nothing itself; a
# missing one stops it with a message. QVN_PACKAGE_EXE32 and QVN_PACKAGE_EXE64
# name other files to pack instead.
#
# The same inputs give the same bytes: fixed order, time stamps and
# attributes. The read-me's name is stored in Shift-JIS, which is how the zip
# folders of Japanese Windows read names, with its UTF-8 form in an Info-ZIP
# Unicode Path field for other unpackers. Prints the archive's path.
set -euo pipefail
# shellcheck source=scripts/common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
cd "$QVN_ROOT"

version=$(sed -n 's/^project(Quorvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[[ -n "$version" ]] || qvn_die "no version in the project() line of CMakeLists.txt"

exe32="${QVN_PACKAGE_EXE32:-$QVN_BUILD/win32/Quorvane.exe}"
exe64="${QVN_PACKAGE_EXE64:-$QVN_BUILD/win64/Quorvane.exe}"
[[ -f "$exe32" ]] || qvn_die "the 32-bit program $exe32 is missing; build it first (qvn_build_win32 in scripts/common.sh, or scripts/test.sh)"
[[ -f "$exe64" ]] || qvn_die "the 64-bit program $exe64 is missing; build it first (qvn_build_win64 in scripts/common.sh, or scripts/test.sh)"
command -v python3 >/dev/null || qvn_die "python3 is needed to write the archive"

mkdir -p "$QVN_BUILD/dist"
archive="$QVN_BUILD/dist/Quorvane-$version.zip"

python3 - "$archive" "$exe32" "$exe64" docs <<'EOF'
import os
import struct
import sys
import zipfile
import zlib

archive, exe32, exe64, docs = sys.argv[1:]

# The machine field of a PE file's header: which processor it is built for.
I386, AMD64 = 0x14C, 0x8664

def machine(path):
    with open(path, "rb") as f:
        data = f.read(4096)
    if data[:2] != b"MZ":
        return None
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        return None
    return struct.unpack_from("<H", data, pe + 4)[0]

for path, wanted, what in ((exe32, I386, "32-bit (i386)"), (exe64, AMD64, "64-bit (x86-64)")):
    if machine(path) != wanted:
        sys.exit(f"error: {path} is not a {what} Windows program")

def read(path):
    with open(path, "rb") as f:
        return f.read()

def windows_text(path, encoding):
    text = read(path).decode("utf-8").replace("\r\n", "\n").replace("\n", "\r\n")
    try:
        return text.encode(encoding)
    except UnicodeEncodeError as e:
        sys.exit(f"error: {path}: {e.object[e.start:e.end]!r} cannot be written in {encoding}")

help_html = read(os.path.join(docs, "Quorvane.html"))
entries = [
    ("Quorvane.exe", read(exe32)),
    ("Quorvane.html", help_html),
    ("はじめにお読みください.txt", windows_text(os.path.join(docs, "はじめにお読みください.txt"), "cp932")),
    ("LICENSE.txt", windows_text(os.path.join(docs, "LICENSE.txt"), "ascii")),
    ("x64/Quorvane.exe", read(exe64)),
    ("x64/Quorvane.html", help_html),
]

class Entry(zipfile.ZipInfo):
    """An entry whose name is stored in Shift-JIS (CP932) without the UTF-8
    flag. zipfile calls this method for the local and the central header."""

    def _encodeFilenameFlags(self):
        return self.filename.encode("cp932"), self.flag_bits

def entry(name):
    info = Entry(name, date_time=(2026, 1, 1, 0, 0, 0))
    info.create_system = 0        # MS-DOS: the attributes are DOS ones
    info.external_attr = 0x20     # archive
    info.compress_type = zipfile.ZIP_DEFLATED
    if not name.isascii():
        stored = name.encode("cp932")
        unicode = name.encode("utf-8")
        # Info-ZIP Unicode Path field: version 1, CRC-32 of the stored name, UTF-8 name.
        info.extra = struct.pack("<HHBI", 0x7075, 5 + len(unicode), 1, zlib.crc32(stored)) + unicode
    return info

partial = archive + ".part"
try:
    with zipfile.ZipFile(partial, "w") as z:
        for name, data in entries:
            z.writestr(entry(name), data, compresslevel=9)
    os.replace(partial, archive)
finally:
    if os.path.exists(partial):
        os.remove(partial)
EOF
echo "$archive"
