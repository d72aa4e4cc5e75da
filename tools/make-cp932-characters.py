#!/usr/bin/env python3
"""Writes src/catalogue/Cp932Characters.cpp from tests/data/cp932/windows-31j.txt: the
character of every byte from 80 to FF that stands alone and of every lead and trail byte pair,
as the converter gives them. Run it again when that file changes."""
import pathlib

root = pathlib.Path(__file__).resolve().parent.parent
lines = (root / "tests/data/cp932/windows-31j.txt").read_text().splitlines()
section = None
singles = {}
pairs = {}
for line in lines:
    if line.startswith("# Single bytes"):
        section = "singles"
    elif line.startswith("# Byte pairs"):
        section = "pairs"
    elif line.startswith("#"):
        section = None
    elif section == "singles":
        byte, *chars = line.split()
        singles[int(byte, 16)] = int(chars[0], 16) if len(chars) == 1 else 0
    elif section == "pairs":
        lead, *chars = line.split()
        assert len(chars) == 188, line[:8]
        pairs[int(lead, 16)] = [int(c, 16) for c in chars]

leads = [b for b in range(0x81, 0x100) if 0x81 <= b <= 0x9F or 0xE0 <= b <= 0xFC]
assert sorted(pairs) == leads
out = ["// Made by tools/make-cp932-characters.py from tests/data/cp932/windows-31j.txt.",
       '#include "catalogue/Cp932Characters.h"', "", "namespace velmora::cp932 {", "",
       "const char16_t kSingleCharacters[128] = {"]
row = [f"0x{singles.get(b, 0):04X}," for b in range(0x80, 0x100)]
out += ["    " + " ".join(row[i:i + 8]) for i in range(0, 128, 8)]
out += ["};", "", f"const char16_t kPairCharacters[{len(leads)}][188] = {{"]
for lead in leads:
    chars = [f"0x{c:04X}," for c in pairs[lead]]
    out.append("    {")
    out += ["        " + " ".join(chars[i:i + 8]) for i in range(0, 188, 8)]
    out.append("    },")
out += ["};", "", "}  // namespace velmora::cp932", ""]
(root / "src/catalogue/Cp932Characters.cpp").write_text("\n".join(out))
