#!/usr/bin/env bash
# Takes the README's three pictures with the game's own screenshots, in one headless run at
# 1024 x 768 with the shipped data and settings (English texts, as ./play.sh starts it): the start
# screen, a battle of the shipped stage in play, and the editor with a bunker placed on its
# approaches. They are written as PNG files under docs/ (lossless when under 200 KB, else with the
# colours' lowest bits dropped until they are). The run keeps the script's clock, so each picture is
# taken at a named frame and is the same on any machine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
command -v python3 >/dev/null || { echo "readme_pictures.sh: python3 is needed to write PNG files" >&2; exit 1; }
. tools/quietly.sh

quietly cmake --preset default
quietly cmake --build --preset default --target tolv

run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT

# The headless run of the game in a fresh copy of the shipped data under $run, with the script on
# standard input.
session() {
  mkdir -p "$run/gm"
  cp -r uni_files Maps _about_.txt "$run/"
  cp gm/__orgmix.txt "$run/gm/"  # the named variables' start values
  rm -f "$run/uni_files/log.txt" "$run/uni_files/res/o2o3.bin"
  cat > "$run/script.txt"
  (cd "$run" && TOLV_VIDEO=headless TOLV_SCRIPT=script.txt timeout -s KILL 300 "$root/build/tolv" >run.out 2>&1) ||
    { cat "$run/run.out" >&2; exit 1; }
}

# Window pixels (top-left origin) at 1024 x 768. Play: the player's three soldiers in the first
# view are dragged round and sent across the minimap (the square at 14..177) towards the enemy camp
# at world (360, 320), and the view follows them there; 779 frames later they face its soldiers.
# A click on bare land empties the selection (the editor would take its right clicks as march
# points), Esc (top right) leads back to the start screen, Editor opens a new world and a click on
# the minimap's corner brings its first view. The palette's tools 11 (approach) and 12 (the
# player's bunker) at 100 x 20 pixel cells from (2, 484): three approaches, the bunker on the cells
# below the middle one.
printf '%s\n' "answer yes" "wait 5" "move 700 740" "wait 2" "shot start.bmp" \
  "click left 960 163" "wait 30" \
  "press left 690 300" "wait 2" "move 700 310" "wait 2" "move 800 440" "wait 2" \
  "release left 800 440" "wait 60" \
  "click right 37 34" "wait 2" "click left 36 33" "wait 2" "move 600 700" "wait 779" "shot battle.bmp" \
  "click left 600 600" "wait 2" "click left 876 19" "wait 10" \
  "click left 960 190" "wait 10" "click left 22 20" "wait 10" \
  "click left 152 554" "wait 1" "click right 768 352" "wait 1" "click right 801 352" "wait 1" \
  "click right 835 352" "wait 1" "click left 252 554" "wait 1" "click right 801 384" \
  "wait 100" "move 600 700" "wait 2" "shot editor.bmp" "close" | session

mkdir -p docs
python3 - "$run" docs <<'PY'
import os, struct, sys, zlib
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

for name in ('start', 'battle', 'editor'):
    write_png(os.path.join(docs, name + '.png'), *read_bmp(os.path.join(run, name + '.bmp')))
PY
