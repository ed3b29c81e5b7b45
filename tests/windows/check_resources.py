#!/usr/bin/env python3
"""The resources of the Windows exes, read back with wrestool (icoutils) as Explorer
and the loader read them:

- the program has the icon at every size from 16 to 256 pixels, each the Linux icon's
  artwork rendered at that size (the bitmaps pixel for pixel, the 256-pixel PNG byte
  for byte);
- the program and the runner have a version resource whose numbers and texts are the
  project's version, with product name, description, original file name and licence;
- these and every other exe given (tests with Win32 windows) have the manifest as
  resource 1, which asks for the common controls
  6, per-monitor DPI awareness v2, UTF-8 as the active code page and Windows 10/11.

Usage: check_resources.py WRESTOOL RSVG_CONVERT ICON_SVG VERSION PROGRAM RUNNER [EXE...]
"""

import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
import zlib
from pathlib import Path

ICON_SIZES = [16, 20, 24, 32, 40, 48, 64, 96, 256]
WINDOWS_10 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
COMMON_CONTROLS = "Microsoft.Windows.Common-Controls"

failures = []


def fail(message):
    failures.append(message)


def wrestool(tool, exe, *args):
    return subprocess.run([tool, *args, str(exe)], check=True, capture_output=True).stdout


def resource_types(tool, exe):
    """The (type, name) pairs of the exe's resources, as numbers where they are."""
    found = set()
    for line in wrestool(tool, exe, "-l").decode().splitlines():
        fields = dict(f.lstrip("-").split("=", 1) for f in line.split() if f.startswith("--"))
        found.add((fields.get("type", "").strip("'"), fields.get("name", "").strip("'")))
    return found


# --- the icon -----------------------------------------------------------------

def png_rgba(data):
    """The pixels of an 8-bit RGBA PNG without interlacing, as rsvg-convert writes
    it: (width, height, rows of bytes R G B A)."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat, width = 8, b"", 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert (depth, colour, interlace) == (8, 6, 0), f"PNG of depth {depth}, colour {colour}"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * 4
    rows, prior = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            a = line[x - 4] if x >= 4 else 0
            b = prior[x]
            c = prior[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + a) & 0xFF
            elif kind == 2:
                line[x] = (line[x] + b) & 0xFF
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 0xFF
        rows.append(bytes(line))
        prior = line
    return width, height, rows


def dib_rgba(data):
    """The pixels of a 32-bit icon bitmap (a DIB of twice the height, bottom-up, BGRA
    and then the AND mask), as rows of bytes R G B A from the top."""
    size, width, height2, _, bits = struct.unpack("<IiiHH", data[:16])
    if bits != 32:
        raise ValueError(f"{bits}-bit bitmap")
    height = height2 // 2
    stride = width * 4
    rows = []
    for y in range(height - 1, -1, -1):
        line = data[size + y * stride:size + (y + 1) * stride]
        rows.append(bytes(v for px in range(width) for v in (line[4 * px + 2], line[4 * px + 1], line[4 * px], line[4 * px + 3])))
    return width, height, rows


def check_icon(tool, rsvg, svg, exe, work):
    ico = wrestool(tool, exe, "-x", "--type=14")
    if len(ico) < 6:
        fail(f"{exe.name}: no icon")
        return
    _, kind, count = struct.unpack("<HHH", ico[:6])
    sizes = []
    for i in range(count):
        w, h, _, _, _, _, length, offset = struct.unpack("<BBBBHHII", ico[6 + 16 * i:22 + 16 * i])
        side = w or 256
        sizes.append(side)
        image = ico[offset:offset + length]
        png = work / f"{side}.png"
        subprocess.run([rsvg, "--width", str(side), "--height", str(side), "--output", str(png), str(svg)], check=True)
        expected = png.read_bytes()
        if image[:8] == b"\x89PNG\r\n\x1a\n":
            if image != expected:
                fail(f"{exe.name}: the {side}-pixel icon is not the artwork rendered at that size")
            continue
        try:
            got = dib_rgba(image)
        except ValueError as e:
            fail(f"{exe.name}: the {side}-pixel icon is a {e}")
            continue
        want = png_rgba(expected)
        if got != want:
            fail(f"{exe.name}: the {side}-pixel icon differs from the artwork rendered at that size")
        elif not any(row[3::4].strip(b"\0") for row in got[2]):
            fail(f"{exe.name}: the {side}-pixel icon is empty")
    if sorted(sizes) != ICON_SIZES:
        fail(f"{exe.name}: icon sizes {sorted(sizes)}, expected {ICON_SIZES}")


# --- the version --------------------------------------------------------------

def version_blocks(data, pos=0, end=None):
    """The blocks of a VS_VERSIONINFO: (key, value bytes, text flag, children)."""
    end = len(data) if end is None else end
    blocks = []
    while pos + 6 <= end:
        length, value_length, is_text = struct.unpack("<HHH", data[pos:pos + 6])
        if length == 0:
            break
        key_end = pos + 6
        while data[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = data[pos + 6:key_end].decode("utf-16-le")
        value_start = (key_end + 2 + 3) & ~3
        value_bytes = value_length * 2 if is_text else value_length
        value = data[value_start:value_start + value_bytes]
        children_start = (value_start + value_bytes + 3) & ~3
        children = version_blocks(data, children_start, pos + length)
        blocks.append((key, value, is_text, children))
        pos = (pos + length + 3) & ~3
    return blocks


def check_version(tool, exe, version):
    data = wrestool(tool, exe, "-x", "-R", "--type=16")
    if not data:
        fail(f"{exe.name}: no version resource")
        return
    root = version_blocks(data)[0]
    key, fixed, _, children = root
    if key != "VS_VERSION_INFO" or struct.unpack("<I", fixed[:4])[0] != 0xFEEF04BD:
        fail(f"{exe.name}: the version resource is malformed")
        return
    numbers = [int(v) for v in version.split(".")] + [0]
    file_ms, file_ls, product_ms, product_ls = struct.unpack("<IIII", fixed[8:24])
    for what, ms, ls in (("file", file_ms, file_ls), ("product", product_ms, product_ls)):
        got = [ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF]
        if got != numbers:
            fail(f"{exe.name}: {what} version {got}, expected {numbers}")
    strings = {}
    for block in children:
        if block[0] == "StringFileInfo":
            for table in block[3]:
                for name, value, _, _ in table[3]:
                    strings[name] = value.decode("utf-16-le").rstrip("\0")
    want = {"FileVersion": version, "ProductVersion": version, "ProductName": "Quorvel",
            "OriginalFilename": exe.name}
    for name, value in want.items():
        if strings.get(name) != value:
            fail(f"{exe.name}: {name} is {strings.get(name)!r}, expected {value!r}")
    if not strings.get("FileDescription"):
        fail(f"{exe.name}: no FileDescription")
    if "GPL-3.0-or-later" not in strings.get("LegalCopyright", ""):
        fail(f"{exe.name}: LegalCopyright {strings.get('LegalCopyright')!r} does not name the licence")


# --- the manifest -------------------------------------------------------------

def local(tag):
    return tag.rsplit("}", 1)[-1]


def check_manifest(tool, exe):
    if ("24", "1") not in resource_types(tool, exe):
        fail(f"{exe.name}: no manifest as resource 1 of type 24")
        return
    try:
        root = ET.fromstring(wrestool(tool, exe, "-x", "-R", "--type=24", "--name=1"))
    except ET.ParseError as e:
        fail(f"{exe.name}: the manifest is no XML: {e}")
        return
    elements = list(root.iter())
    controls = [e for e in elements if local(e.tag) == "assemblyIdentity" and e.get("name") == COMMON_CONTROLS]
    if not any(e.get("version") == "6.0.0.0" and e.get("publicKeyToken") == "6595b64144ccf1df" for e in controls):
        fail(f"{exe.name}: the manifest does not ask for the common controls 6")
    settings = {local(e.tag): (e.text or "").strip() for e in elements}
    awareness = [v.strip().lower() for v in settings.get("dpiAwareness", "").split(",")]
    if awareness[:1] != ["permonitorv2"]:
        fail(f"{exe.name}: DPI awareness {settings.get('dpiAwareness')!r}, expected PerMonitorV2 first")
    if settings.get("activeCodePage") != "UTF-8":
        fail(f"{exe.name}: active code page {settings.get('activeCodePage')!r}, expected UTF-8")
    if not any(local(e.tag) == "supportedOS" and e.get("Id") == WINDOWS_10 for e in elements):
        fail(f"{exe.name}: the manifest does not name Windows 10 and 11")


def main():
    tool, rsvg, svg, version, program, runner, *others = sys.argv[1:]
    exes = [Path(program), Path(runner), *map(Path, others)]
    with tempfile.TemporaryDirectory() as work:
        check_icon(tool, rsvg, Path(svg), exes[0], Path(work))
    for exe in exes[:2]:
        check_version(tool, exe, version)
    for exe in exes:
        check_manifest(tool, exe)
    for message in failures:
        print(message)
    if not failures:
        print(f"icon ({len(ICON_SIZES)} sizes) in {exes[0].name}, version {version} in it and {exes[1].name}, "
              f"the manifest in {', '.join(e.name for e in exes)}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
