#!/usr/bin/env python3
"""Checks what a built Windows program carries, by reading its PE headers:
machine, subsystem, the DLLs it imports, its manifest, and optionally the
application icon and the version block. Exits 1 and names every finding that
differs; exit 0 means all checks passed."""
import argparse
import struct
import sys
import xml.etree.ElementTree as ElementTree

MACHINES = {"i386": 0x14C, "amd64": 0x8664}
SUBSYSTEMS = {"gui": 2, "console": 3}
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
ENGLISH_US = 0x0409
WINDOWS_1252 = 1252


class PeFile:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not an MZ executable")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        self.subsystem = struct.unpack_from("<H", data, optional + 68)[0]
        directories = optional + (96 if magic == 0x10B else 112)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]

    def offset(self, rva):
        for virtual_size, address, raw_size, raw_pointer in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_pointer + rva - address
        raise ValueError(f"RVA {rva:#x} lies in no section")

    def c_string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imported_dlls(self):
        names = []
        for index in (1, 13):  # import table, delay-load import table
            rva, size = self.directories[index]
            if not size:
                continue
            name_field, stride = (12, 20) if index == 1 else (4, 32)
            position = self.offset(rva)
            while any(self.data[position:position + stride]):
                names.append(self.c_string(struct.unpack_from("<I", self.data, position + name_field)[0]))
                position += stride
        return names

    def resources(self):
        """{type: {name: {language: bytes}}} for numeric types, names and languages."""
        rva, size = self.directories[2]
        if not size:
            return {}
        base = self.offset(rva)

        def directory(offset):
            named, numbered = struct.unpack_from("<HH", self.data, base + offset + 12)
            for i in range(named + numbered):
                name, target = struct.unpack_from("<II", self.data, base + offset + 16 + 8 * i)
                yield name, target

        tree = {}
        for kind, types in directory(0):
            for name, names in directory(types & 0x7FFFFFFF):
                for language, leaf in directory(names & 0x7FFFFFFF):
                    data_rva, data_size = struct.unpack_from("<II", self.data, base + leaf)
                    start = self.offset(data_rva)
                    tree.setdefault(kind, {}).setdefault(name, {})[language] = self.data[start:start + data_size]
        return tree


def version_nodes(block, offset=0):
    """Parses one VS_VERSIONINFO node: (key, value bytes, children)."""
    length, value_length, kind = struct.unpack_from("<HHH", block, offset)
    end = offset + length
    key_start = offset + 6
    key_end = key_start
    while block[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = block[key_start:key_end].decode("utf-16-le")
    position = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if kind == 1 else value_length
    value = block[position:position + value_size]
    position = (position + value_size + 3) & ~3
    children = []
    while position < end:
        child = version_nodes(block, position)
        children.append(child[:3])
        position = (position + child[3] + 3) & ~3
    return key, value, children, length


def expected_icon_pixel(row, column):
    """The program's icon, row 0 at the top: None for transparent."""
    if row < 6 or row > 25:
        return None
    if row <= 11 or row == 25 or column in (0, 31):
        return (0, 0, 0)
    return (255, 0, 0) if row <= 18 else (255, 255, 0)


def check_icon(resources, findings):
    groups = resources.get(RT_GROUP_ICON, {})
    if not groups:
        findings.append("no icon group")
        return
    first = next(iter(groups.values()))  # the application icon: the first group
    group = next(iter(first.values()))
    count = struct.unpack_from("<H", group, 4)[0]
    entries = [struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i) for i in range(count)]
    matching = [e for e in entries if e[0] == 32 and e[1] == 32 and e[2] == 16 and e[5] == 4]
    if not matching:
        findings.append(f"the first icon group has no 32x32 16-colour image: {entries}")
        return
    image = next(iter(resources[RT_ICON][matching[0][7]].values()))
    header_size, width, height, _, bits = struct.unpack_from("<IiiHH", image, 0)
    if (width, height, bits) != (32, 64, 4):
        findings.append(f"icon bitmap is {width}x{height} with {bits} bits per pixel")
        return
    palette = [tuple(reversed(image[header_size + 4 * i:header_size + 4 * i + 3])) for i in range(16)]
    colours = header_size + 64
    mask = colours + 32 * 16
    wrong = []
    for row in range(32):
        stored = 31 - row  # bottom-up
        for column in range(32):
            byte = image[colours + 16 * stored + column // 2]
            index = byte >> 4 if column % 2 == 0 else byte & 0x0F
            transparent = image[mask + 4 * stored + column // 8] >> (7 - column % 8) & 1
            actual = None if transparent else palette[index]
            if actual != expected_icon_pixel(row, column):
                wrong.append((row, column, actual))
    if wrong:
        findings.append(f"{len(wrong)} icon pixels differ, first (row, column, colour): {wrong[:3]}")


def check_version(resources, version, findings):
    blocks = resources.get(RT_VERSION, {})
    if not blocks:
        findings.append("no version block")
        return
    languages = next(iter(blocks.values()))
    if list(languages) != [ENGLISH_US]:
        findings.append(f"version block languages {list(languages)}, expected [{ENGLISH_US}]")
    key, _, children, _ = version_nodes(next(iter(languages.values())))
    if key != "VS_VERSION_INFO":
        findings.append(f"version block key {key!r}")
    nodes = {child[0]: child for child in children}
    tables = {table[0].upper(): table for table in nodes.get("StringFileInfo", ("", b"", []))[2]}
    strings = {
        name: value.decode("utf-16-le").rstrip("\0")
        for name, value, _ in tables.get("040904E4", ("", b"", []))[2]
    }
    if not strings:
        findings.append(f"no string table 040904E4, only {list(tables)}")
    for name in ("ProductName", "ProductVersion", "FileVersion"):
        if not strings.get(name):
            findings.append(f"version string {name} missing")
    if strings.get("ProductVersion") != version:
        findings.append(f"ProductVersion {strings.get('ProductVersion')!r}, expected {version!r}")
    translations = [value for name, value, _ in nodes.get("VarFileInfo", ("", b"", []))[2]
                    if name == "Translation"]
    if translations != [struct.pack("<HH", ENGLISH_US, WINDOWS_1252)]:
        findings.append(f"Translation {translations}, expected 0409 with code page 1252")


def check_manifest(resources, args, findings):
    manifests = resources.get(RT_MANIFEST, {})
    if list(manifests) != [1]:
        findings.append(f"manifests with ids {list(manifests)}, expected exactly id 1")
        return
    root = ElementTree.fromstring(next(iter(manifests[1].values())))
    levels = [element.get("level") for element in root.iter() if element.tag.endswith("}requestedExecutionLevel")]
    if levels != [args.execution_level]:
        findings.append(f"requested execution levels {levels}, expected [{args.execution_level!r}]")
    if args.window_settings:
        dpi = [element.text for element in root.iter() if element.tag.endswith("}dpiAware")]
        if dpi != ["true"]:
            findings.append(f"dpiAware {dpi}, expected ['true']")
        controls = [element.get("version") for element in root.iter()
                    if element.tag.endswith("}assemblyIdentity")
                    and element.get("name") == "Microsoft.Windows.Common-Controls"]
        if controls != ["6.0.0.0"]:
            findings.append(f"common controls dependency {controls}, expected version 6.0.0.0")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("executable")
    parser.add_argument("--machine", choices=MACHINES, required=True)
    parser.add_argument("--subsystem", choices=SUBSYSTEMS, required=True)
    parser.add_argument("--allowed-dlls", required=True, help="comma-separated, any case")
    parser.add_argument("--execution-level", required=True)
    parser.add_argument("--window-settings", action="store_true",
                        help="also require DPI awareness and the version 6 common controls")
    parser.add_argument("--application-icon", action="store_true")
    parser.add_argument("--version", help="the ProductVersion the version block must hold")
    args = parser.parse_args()

    with open(args.executable, "rb") as file:
        pe = PeFile(file.read())
    findings = []
    if pe.machine != MACHINES[args.machine]:
        findings.append(f"machine {pe.machine:#x}, expected {args.machine}")
    if pe.subsystem != SUBSYSTEMS[args.subsystem]:
        findings.append(f"subsystem {pe.subsystem}, expected {args.subsystem}")
    allowed = {name.strip().lower() for name in args.allowed_dlls.split(",")}
    imported = pe.imported_dlls()
    if not imported:
        findings.append("imports no DLL at all")
    foreign = sorted(name for name in imported if name.lower() not in allowed)
    if foreign:
        findings.append(f"imports DLLs outside the allowed list: {foreign}")
    resources = pe.resources()
    check_manifest(resources, args, findings)
    if args.application_icon:
        check_icon(resources, findings)
    if args.version:
        check_version(resources, args.version, findings)

    print(f"{args.executable}: imports {imported}")
    for finding in findings:
        print(f"FAIL: {finding}")
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
