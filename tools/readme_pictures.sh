#!/usr/bin/env bash
# Takes the README's three pictures with the game's own screenshots, in one headless run at
# 1024 x 768 with the shipped data and settings (English texts, as ./play.sh starts it): the start
# screen, a battle of the shipped stage in play, and the editor with a bunker placed on its
# approaches. They are written as PNG files under docs/ (lossless when under 200 KB, else with the
# colours' lowest bits dropped until they are). How soon the soldiers meet depends on the random
# seed and on how fast the machine draws, so play is shot every 150 frames while they march, and
# the picture kept is the one with the most of both sides' flags in view. Look at docs/battle.png.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
command -v python3 >/dev/null || { echo "readme_pictures.sh: python3 is needed to write PNG files" >&2; exit 1; }
cmake --preset default >/dev/null
cmake --build --preset default --target tolv >/dev/null

run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT

# One headless run of the game in a fresh copy of the shipped data under $run/$1, with the script on
# standard input.
session() {
  local d="$run/$1"
  mkdir -p "$d/gm"
  cp -r uni_files Maps _about_.txt "$d/"
  cp gm/__orgmix.txt "$d/gm/"  # the named variables' start values
  rm -f "$d/uni_files/log.txt" "$d/uni_files/res/o2o3.bin"
  cat > "$d/script.txt"
  (cd "$d" && TOLV_VIDEO=headless TOLV_SCRIPT=script.txt timeout -s KILL 300 "$root/build/tolv" >run.out 2>&1) ||
    { cat "$d/run.out" >&2; exit 1; }
}

# Window pixels (top-left origin) at 1024 x 768. Play: the player's three soldiers in the first
# view are dragged round, sent across the minimap (the square at 14..177) towards the enemy camp at
# world (360, 320), and the view follows them there.
{
  printf '%s\n' "answer yes" "wait 5" "move 700 740" "wait 2" "shot start.bmp" \
    "click left 960 163" "wait 30" \
    "press left 690 300" "wait 2" "move 700 310" "wait 2" "move 800 440" "wait 2" \
    "release left 800 440" "wait 60" \
    "click right 37 34" "wait 2" "click left 36 33" "wait 2" "move 600 700" "wait 1200"
  for n in $(seq -w 1 20); do printf '%s\n' "wait 150" "shot battle$n.bmp"; done
  echo close
} | session play
# The editor's new world: the palette's tools 11 (approach) and 12 (the player's bunker) at 100 x 20
# pixel cells from (2, 484); three approaches, the bunker on the cells below the middle one.
printf '%s\n' "answer yes" "wait 5" "click left 960 190" "wait 10" \
  "click left 152 554" "wait 1" "click right 768 352" "wait 1" "click right 801 352" "wait 1" \
  "click right 835 352" "wait 1" "click left 252 554" "wait 1" "click right 801 384" \
  "wait 100" "move 600 700" "wait 2" "shot editor.bmp" "close" | session editor

mkdir -p docs
python3 - "$run" docs <<'PY'
import glob, os, struct, sys, zlib
run, docs = sys.argv[1], sys.argv[2]

def read_bmp(path):  # the game's bottom-up BGR rows, as top-down RGB
    b = open(path, 'rb').read()
    off = struct.unpack_from('<I', b, 10)[0]
    w, h = struct.unpack_from('<ii', b, 18)
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(h):
        r = b[off + stride * (h - 1 - y):off + stride * (h - 1 - y) + w * 3]
        px = bytearray(w * 3)
        px[0::3], px[1::3], px[2::3] = r[2::3], r[1::3], r[0::3]
        rows.append(bytes(px))
    return w, h, rows

# Both sides in view: pixels of the player's crimson flags and of the enemy's blue ones, below the
# horizon and right of the minimap.
def both_sides(w, h, rows):
    red = blue = 0
    for row in rows[120:h - 20]:
        for x in range(200, w):
            r, g, b = row[3 * x], row[3 * x + 1], row[3 * x + 2]
            if g < 60 and r > 150 and 40 < b < 110:
                red += 1
            elif g < 60 and b > 150 and 40 < r < 110:
                blue += 1
    return min(red, blue)

def chunk(t, d):
    return struct.pack('>I', len(d)) + t + d + struct.pack('>I', zlib.crc32(t + d) & 0xffffffff)

def write_png(path, w, h, rows):
    for mask in (0xFF, 0xFE, 0xFC, 0xF8, 0xF0):
        raw = b''.join(b'\0' + bytes(c & mask for c in r) for r in rows)
        png = (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0)) +
               chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))
        if len(png) < 200 * 1024:
            break
    open(path, 'wb').write(png)
    print('%s: %d x %d, %d bytes' % (path, w, h, len(png)))

shots = sorted(glob.glob(os.path.join(run, 'play', 'battle??.bmp')))
score = {p: both_sides(*read_bmp(p)) for p in shots}
battle = max(shots, key=score.get)
if score[battle] == 0:
    print('readme_pictures.sh: no shot shows both sides; docs/battle.png shows the march', file=sys.stderr)
for name, src in (('start', 'play/start.bmp'), ('battle', battle), ('editor', 'editor/editor.bmp')):
    write_png(os.path.join(docs, name + '.png'), *read_bmp(os.path.join(run, src)))
PY
