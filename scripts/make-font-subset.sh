#!/bin/sh
# Regenerates Lorvane's embedded Chinese font from Noto Serif CJK SC:
#   assets/fonts/LorvaneSerif-Regular.otf
#   assets/fonts/LorvaneSerif-Bold.otf
# keeping only the characters listed in assets/fonts/chars.txt, and renames
# the family to "Lorvane Serif" (the font is modified, so under the SIL Open
# Font License it must not keep the original name).
#
# Needs (only to regenerate, not to build the game):
#   apt-get install -y --no-install-recommends fonts-noto-cjk fonttools python3-fonttools
set -eu

ROOT=$(cd "$(dirname "$0")/.." && pwd)
FONTS="$ROOT/assets/fonts"
CHARS="$FONTS/chars.txt"
NOTO_DIR=${NOTO_DIR:-/usr/share/fonts/opentype/noto}
PY=/usr/bin/python3           # Debian's python3, which has fontTools
PYFTSUBSET=/usr/bin/pyftsubset
FAMILY="Lorvane Serif"
PS_FAMILY="LorvaneSerif"

for f in "$CHARS" "$NOTO_DIR/NotoSerifCJK-Regular.ttc" "$NOTO_DIR/NotoSerifCJK-Bold.ttc" "$PYFTSUBSET"; do
  if [ ! -e "$f" ]; then
    echo "missing: $f" >&2
    echo "install: apt-get install -y --no-install-recommends fonts-noto-cjk fonttools python3-fonttools" >&2
    exit 1
  fi
done

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

for style in Regular Bold; do
  # Index 2 of the collection is the Simplified Chinese (SC) face; it also
  # holds the traditional forms the game uses (帥 將 馬 車 漢 認 ...).
  "$PYFTSUBSET" "$NOTO_DIR/NotoSerifCJK-$style.ttc" --font-number=2 \
    --text-file="$CHARS" \
    --name-IDs='*' --name-languages='*' \
    --notdef-outline \
    --output-file="$TMP/$style.otf"

  "$PY" - "$TMP/$style.otf" "$FONTS/$PS_FAMILY-$style.otf" "$FAMILY" "$PS_FAMILY" "$style" <<'PYEOF'
import sys
from fontTools.ttLib import TTFont

src, dst, family, ps_family, style = sys.argv[1:6]
font = TTFont(src)
name = font["name"]
version = name.getDebugName(5) or "Version 1.0"
full = family if style == "Regular" else f"{family} {style}"
ps = f"{ps_family}-{style}"
new = {
    1: family,
    2: style,
    3: f"{ps};Lorvane subset of Noto Serif CJK SC",
    4: full,
    6: ps,
    16: family,
    17: style,
}
# Drop every localized or typographic name that still carries the old
# family, then write the new ones for the Windows and Mac platforms.
name.names = [n for n in name.names if n.nameID not in (1, 2, 3, 4, 6, 16, 17, 18, 21, 22)]
for nid, text in new.items():
    name.setName(text, nid, 3, 1, 0x409)
    name.setName(text, nid, 1, 0, 0)
desc = ("Subset of Noto Serif CJK SC (SIL Open Font License 1.1) made for "
        "the game Lorvane; renamed because it is a modified version.")
name.setName(desc, 10, 3, 1, 0x409)
if "CFF " in font:
    cff = font["CFF "].cff
    cff.fontNames = [ps]
    top = cff.topDictIndex[0]
    top.FullName = full
    top.FamilyName = family
    if hasattr(top, "FontName"):
        top.FontName = ps
font.save(dst)
print(f"{dst}: {len(font.getGlyphOrder())} glyphs")
PYEOF
done
