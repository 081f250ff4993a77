#!/bin/sh
# Synthesises the program's tune: a gentle plucked melody over a slow bass in
# G major pentatonic, about twenty seconds, and encodes it as mono MP3 (zeph.mp3).
# Needs sox and lame.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rate=44100
beat=0.55 # seconds per beat: an unhurried 109 beats per minute

# Note names to frequencies (Hz), only the notes of the scale in use.
freq() {
    case $1 in
    D2) echo 73.42 ;; E2) echo 82.41 ;; G2) echo 98.00 ;; A2) echo 110.00 ;; B2) echo 123.47 ;;
    D3) echo 146.83 ;; E3) echo 164.81 ;; G3) echo 196.00 ;; A3) echo 220.00 ;; B3) echo 246.94 ;;
    G4) echo 392.00 ;; A4) echo 440.00 ;; B4) echo 493.88 ;; D5) echo 587.33 ;; E5) echo 659.26 ;;
    G5) echo 783.99 ;; A5) echo 880.00 ;;
    *) echo "unknown note $1" >&2; exit 1 ;;
    esac
}

# voice NAME VOLUME RING "NOTE:BEATS ..." renders one line of plucked notes; each
# note rings for RING seconds from its onset, so neighbours overlap like a harp.
voice() {
    name=$1 vol=$2 ring=$3 notes=$4
    at=0 i=0 inputs=""
    for n in $notes; do
        note=${n%%:*} beats=${n##*:}
        if [ "$note" != "R" ]; then
            f=$(freq "$note")
            file="$tmp/$name-$i.wav"
            sox -R -n -r $rate -c 1 "$file" synth "$ring" pluck "$f" \
                fade q 0.004 "$ring" 0.6 vol "$vol" pad "$at" 0
            inputs="$inputs -v 1 $file"
            i=$((i + 1))
        fi
        at=$(echo "$at + $beats * $beat" | bc -l)
    done
    # shellcheck disable=SC2086
    sox --combine mix $inputs "$tmp/$name.wav"
}

voice melody 0.42 2.4 "E5:1 D5:1 B4:1 D5:1  E5:2 G5:1 E5:1  D5:1 B4:1 A4:1 B4:1  D5:4
                       E5:1 G5:1 A5:1 G5:1  E5:2 D5:1 E5:1  D5:1 B4:1 A4:1 B4:1  G4:4"
voice bass 0.5 3.2 "G2:2 D3:2  E2:2 B2:2  A2:2 E3:2  D2:2 A2:2
                    G2:2 D3:2  E2:2 B2:2  D2:2 A2:2  G2:4"
voice inner 0.22 1.6 "R:1 B3:1 D3:1 B3:1  R:1 G3:1 B3:1 G3:1  R:1 A3:1 E3:1 A3:1  R:1 A3:1 D3:1 A3:1
                      R:1 B3:1 D3:1 B3:1  R:1 G3:1 B3:1 G3:1  R:1 A3:1 D3:1 A3:1  R:1 B3:1 D3:1 G3:1"

# Mix, add a soft room, fade the ends and bring the level to -3 dBFS.
# The room needs a second and a half of silence to ring out into.
sox --combine mix -v 1 "$tmp/melody.wav" -v 0.8 "$tmp/bass.wav" -v 0.7 "$tmp/inner.wav" \
    "$tmp/dry.wav" gain -6 pad 0 1.5
length=$(soxi -D "$tmp/dry.wav")
sox "$tmp/dry.wav" "$tmp/mix.wav" reverb 45 50 70 100 15 0 fade q 0.05 "$length" 3 gain -n -3

lame --quiet -m m -b 80 --resample 44.1 \
    --tt "Zeph" --ta "Lanternix" "$tmp/mix.wav" "$here/zeph.mp3"
ls -l "$here/zeph.mp3"
