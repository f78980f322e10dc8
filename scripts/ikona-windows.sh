#!/usr/bin/env bash
# Makes desktop/velmor.ico, the Windows program's icon, from desktop/velmor.svg:
# PNG images of 16 to 256 pixels (rsvg-convert, package librsvg2-bin) in one
# ICO file. Run it after a change of the SVG and commit the result.
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
rozmiary=(16 24 32 48 64 256)
for r in "${rozmiary[@]}"; do rsvg-convert -w "$r" -h "$r" desktop/velmor.svg -o "$tmp/$r.png"; done
python3 - "$tmp" desktop/velmor.ico "${rozmiary[@]}" <<'PY'
import struct, sys
folder, wynik, rozmiary = sys.argv[1], sys.argv[2], [int(r) for r in sys.argv[3:]]
obrazy = [open(f"{folder}/{r}.png", "rb").read() for r in rozmiary]
naglowek = struct.pack("<HHH", 0, 1, len(obrazy))
wpisy, miejsce = b"", 6 + 16 * len(obrazy)
for r, png in zip(rozmiary, obrazy):
    wpisy += struct.pack("<BBBBHHII", r % 256, r % 256, 0, 0, 1, 32, len(png), miejsce)
    miejsce += len(png)
open(wynik, "wb").write(naglowek + wpisy + b"".join(obrazy))
PY
