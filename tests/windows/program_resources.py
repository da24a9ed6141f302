"""Reads the resources of a built tessaly.exe back out of the file, as Windows reads them, and
checks what Explorer and the loader see: the icon at each size, the version and maker, and
the manifest. Runs on the build machine; the file is read as bytes, nothing is started.

    program_resources.py PROGRAM.exe --version V --product P --company C --file-name N
"""

import argparse
import struct
import sys
import xml.etree.ElementTree as ElementTree

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
ICON_SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
WINDOWS_10_AND_11 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"


class Failure(Exception):
    pass


class Image:
    """A PE file's sections, to turn the addresses its headers give into file offsets."""

    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not a Windows program")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe : pe + 4] != b"PE\0\0":
            raise ValueError("no PE header")
        sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        directories = optional + (112 if magic == 0x20B else 96)
        self.resources_rva, self.resources_size = struct.unpack_from("<II", data, directories + 2 * 8)
        self.sections = []
        for i in range(sections):
            at = optional + optional_size + 40 * i
            virtual_size, address, raw_size, raw_offset = struct.unpack_from("<IIII", data, at + 8)
            self.sections.append((address, max(virtual_size, raw_size), raw_offset))

    def offset(self, rva):
        for address, size, raw_offset in self.sections:
            if address <= rva < address + size:
                return raw_offset + rva - address
        raise ValueError(f"address {rva:#x} is in no section")


def read_resources(data):
    """{type: {name: {language: bytes}}}; names are numbers or strings."""
    image = Image(data)
    if image.resources_rva == 0:
        return {}
    base = image.offset(image.resources_rva)

    def name(field):
        if field & 0x80000000:
            at = base + (field & 0x7FFFFFFF)
            length = struct.unpack_from("<H", data, at)[0]
            return data[at + 2 : at + 2 + 2 * length].decode("utf-16-le")
        return field

    def directory(at):
        named, numbered = struct.unpack_from("<HH", data, at + 12)
        entries = {}
        for i in range(named + numbered):
            field, target = struct.unpack_from("<II", data, at + 16 + 8 * i)
            if target & 0x80000000:
                entries[name(field)] = directory(base + (target & 0x7FFFFFFF))
            else:
                rva, size = struct.unpack_from("<II", data, base + target)
                start = image.offset(rva)
                entries[name(field)] = data[start : start + size]
        return entries

    return directory(base)


def only_one(resources, kind, what):
    entries = [(name, blob) for name, languages in resources.get(kind, {}).items() for blob in languages.values()]
    if len(entries) != 1:
        raise Failure(f"{len(entries)} {what} resources, not one: {[name for name, _ in entries]}")
    return entries[0]


def check_icon(resources, failures):
    name, group = only_one(resources, RT_GROUP_ICON, "icon group")
    # Qt gives its windows the icon of this name.
    if name != "IDI_ICON1":
        failures.append(f"the icon group is named {name!r}, not IDI_ICON1")
    reserved, kind, count = struct.unpack_from("<HHH", group, 0)
    if (reserved, kind) != (0, 1):
        failures.append(f"the icon group's header is {reserved}, {kind}")
    icons = {name: blob for name, languages in resources.get(RT_ICON, {}).items() for blob in languages.values()}
    sizes = []
    for i in range(count):
        width, height, _, _, _, bits, length, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        width, height = width or 256, height or 256
        sizes.append(width)
        picture = icons.get(icon_id)
        if picture is None:
            failures.append(f"the {width} px icon (id {icon_id}) is missing")
            continue
        if width != height or bits != 32 or length != len(picture):
            failures.append(f"the {width} px icon's entry: {width}x{height}, {bits} bits, {length} bytes")
        if picture[:8] != PNG_SIGNATURE or picture[12:16] != b"IHDR":
            failures.append(f"the {width} px icon is not a PNG")
            continue
        drawn = struct.unpack_from(">II", picture, 16)
        if drawn != (width, height):
            failures.append(f"the {width} px icon's picture is {drawn[0]}x{drawn[1]}")
    print(f"icon {name}: {sizes} px")
    if sorted(sizes) != ICON_SIZES:
        failures.append(f"the icon holds {sorted(sizes)} px, not {ICON_SIZES}")


def version_tree(blob, at=0):
    """One node of a VERSIONINFO: (key, value, children); text values as str."""

    def aligned(offset):
        return (offset + 3) & ~3

    length, value_length, text = struct.unpack_from("<HHH", blob, at)
    end = at + length
    key_end = at + 6
    while blob[key_end : key_end + 2] != b"\0\0":
        key_end += 2
    key = blob[at + 6 : key_end].decode("utf-16-le")
    at = aligned(key_end + 2)
    if text:
        value = blob[at : at + 2 * value_length].decode("utf-16-le").rstrip("\0")
        at += 2 * value_length
    else:
        value = blob[at : at + value_length]
        at += value_length
    children = []
    at = aligned(at)
    while at < end:
        child, child_end = version_tree(blob, at)
        children.append(child)
        at = aligned(child_end)
    return (key, value, children), end


def check_version(resources, args, failures):
    name, blob = only_one(resources, RT_VERSION, "version")
    (key, fixed, children), _ = version_tree(blob)
    if key != "VS_VERSION_INFO" or len(fixed) < 52 or struct.unpack_from("<I", fixed, 0)[0] != 0xFEEF04BD:
        raise Failure(f"version resource {name} has no fixed part ({key!r})")
    numbers = [int(part) for part in args.version.split(".")]
    numbers += [0] * (4 - len(numbers))
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIII", fixed, 8)
    for what, ms, ls in (("file", file_ms, file_ls), ("product", product_ms, product_ls)):
        found = [ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF]
        print(f"{what} version numbers: {','.join(map(str, found))}")
        if found != numbers:
            failures.append(f"the {what} version numbers are {found}, not {numbers}")

    strings = {}
    for child_key, _, tables in children:
        if child_key == "StringFileInfo":
            for _, _, entries in tables:
                strings.update({entry_key: value for entry_key, value, _ in entries})
    for field, value in sorted(strings.items()):
        print(f"{field}: {value}")
    expected = {
        "FileVersion": args.version,
        "ProductVersion": args.version,
        "ProductName": args.product,
        "CompanyName": args.company,
        "OriginalFilename": args.file_name,
    }
    for field, value in expected.items():
        if strings.get(field) != value:
            failures.append(f"{field} is {strings.get(field)!r}, not {value!r}")
    for field in ("FileDescription", "InternalName"):
        if not strings.get(field):
            failures.append(f"{field} is empty")
    if args.company not in strings.get("LegalCopyright", ""):
        failures.append(f"LegalCopyright {strings.get('LegalCopyright')!r} does not name {args.company}")


def check_manifest(resources, failures):
    name, blob = only_one(resources, RT_MANIFEST, "manifest")
    print(blob.decode("utf-8"))
    # The loader reads the manifest of id 1 for a program; one under another id is ignored.
    if name != 1:
        failures.append(f"the manifest has id {name}, not 1")
    root = ElementTree.fromstring(blob)

    def all_named(tag):
        return [element for element in root.iter() if element.tag.rsplit("}", 1)[-1] == tag]

    levels = [element.get("level") for element in all_named("requestedExecutionLevel")]
    if levels != ["asInvoker"]:
        failures.append(f"execution levels {levels}, not asInvoker")
    systems = [element.get("Id", "").lower() for element in all_named("supportedOS")]
    if WINDOWS_10_AND_11 not in systems:
        failures.append(f"supported systems {systems} leave out Windows 10 and 11")
    awareness = [element.text.strip() for element in all_named("dpiAwareness")]
    if len(awareness) != 1 or awareness[0].split(",")[0].strip() != "PerMonitorV2":
        failures.append(f"dpiAwareness {awareness} does not start with PerMonitorV2")
    aware = [element.text.strip().lower() for element in all_named("dpiAware")]
    if aware != ["true/pm"]:
        failures.append(f"dpiAware {aware}, not true/pm")
    controls = [
        element.attrib
        for element in all_named("assemblyIdentity")
        if element.get("name") == "Microsoft.Windows.Common-Controls"
    ]
    if len(controls) != 1 or controls[0].get("version") != "6.0.0.0" or (
        controls[0].get("publicKeyToken", "").lower() != "6595b64144ccf1df"
    ):
        failures.append(f"common controls {controls}, not version 6.0.0.0 from Microsoft")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--version", required=True)
    parser.add_argument("--product", required=True)
    parser.add_argument("--company", required=True)
    parser.add_argument("--file-name", required=True)
    args = parser.parse_args()
    with open(args.program, "rb") as file:
        resources = read_resources(file.read())

    failures = []
    for check in (
        lambda: check_icon(resources, failures),
        lambda: check_version(resources, args, failures),
        lambda: check_manifest(resources, failures),
    ):
        try:
            check()
        except Failure as failure:
            failures.append(str(failure))
    for failure in failures:
        print(f"FAIL: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
