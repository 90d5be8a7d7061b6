#!/usr/bin/env bash
# Seconds and peak memory of showing one large picture: an 8000x8000 PNG (made
# here) in an Image control of a form rendered headless by formrun, once
# stretched into a small control and once at the picture's own size.
#
#   bench/big_picture.sh build/bin/formrun
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: bench/big_picture.sh FORMRUN" >&2
  exit 2
fi
formrun=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/big.png" <<'EOF'
import struct, sys, zlib
side = 8000
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
row = bytes(b for x in range(side) for b in (x % 256, (x // 32) % 256, 128, 255))
squeeze = zlib.compressobj(1)
body = b"".join(squeeze.compress(b"\0" + row) for _ in range(side)) + squeeze.flush()
with open(sys.argv[1], "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 6, 0, 0, 0)))
    out.write(chunk(b"IDAT", body) + chunk(b"IEND", b""))
EOF
for stretch in -1 0; do
  cat >"$work/form.frm" <<EOF
Begin Form frmPicture
   ClientWidth = 6000
   ClientHeight = 4000
   Begin Image imgBig
      Left = 0
      Top = 0
      Width = 3000
      Height = 3000
      Stretch = $stretch
      Picture = "big.png"
   End
End
EOF
  /usr/bin/time -v "$formrun" "$work/form.frm" --headless --snapshot "$work/out.png" 2>"$work/time.txt"
  awk -v stretch="$stretch" '
    /Elapsed \(wall clock\)/ { wall = $NF }
    /Maximum resident set size/ { rss = $NF }
    END { printf "Stretch = %2s   wall %s   peak %.0f MB\n", stretch, wall, rss / 1024 }' "$work/time.txt"
done
