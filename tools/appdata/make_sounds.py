#!/usr/bin/env python3
"""The game's own sounds, rendered from small MIDI pieces with FluidSynth:

  slot.wav   the rolling counter (about 2 s): a wood block ticking faster and
             faster over a rising xylophone run, ending in a bell;
  sound.wav  the jingle when the counter stops (about 1.5 s): a bright
             brass-and-glockenspiel fanfare on C major.

Needs fluidsynth, a General MIDI SoundFont (fluid-soundfont-gm or the default
GM one) and sox. Writes into data/appdata/DATEN.
"""
import os
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
OUT = os.path.join(ROOT, "data", "appdata", "DATEN")
SOUNDFONTS = ["/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/default-GM.sf2",
              "/usr/share/sounds/sf2/TimGM6mb.sf2"]
TICKS = 480  # per quarter note; the tempo below makes a quarter 0.5 s


def varlen(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.insert(0, (n & 0x7F) | 0x80)
        n >>= 7
    return bytes(out)


def midi_file(events, programs):
    """events: (tick, channel, note, velocity, length in ticks); programs: channel -> GM program."""
    msgs = [(0, bytes([0xFF, 0x51, 0x03]) + (500000).to_bytes(3, "big"))]
    for ch, prog in programs.items():
        msgs.append((0, bytes([0xC0 | ch, prog])))
    for tick, ch, note, vel, length in events:
        msgs.append((tick, bytes([0x90 | ch, note, vel])))
        msgs.append((tick + length, bytes([0x80 | ch, note, 0])))
    msgs.sort(key=lambda m: (m[0], m[1][0] & 0xF0 == 0x90))
    track = b""
    now = 0
    for tick, data in msgs:
        track += varlen(tick - now) + data
        now = tick
    track += varlen(TICKS) + bytes([0xFF, 0x2F, 0x00])
    header = b"MThd" + struct.pack(">IHHH", 6, 0, 1, TICKS)
    return header + b"MTrk" + struct.pack(">I", len(track)) + track


def ms(t):
    return int(round(t / 500.0 * TICKS))


def slot_events():
    ev = []
    # Wood block (GM 115, channel 0 is melodic so use the percussion key on channel 9).
    t, gap = 0.0, 170.0
    while t < 1650:
        ev.append((ms(t), 9, 76, 100, ms(40)))  # hi wood block
        t += gap
        gap = max(55.0, gap * 0.88)
    # Rising xylophone run under it.
    scale = [60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83, 84]
    step = 1650 / len(scale)
    for i, n in enumerate(scale):
        ev.append((ms(i * step), 0, n, 70 + i * 2, ms(step * 1.5)))
    # The bell when the reels stop.
    ev.append((ms(1700), 1, 84, 110, ms(600)))
    ev.append((ms(1700), 1, 91, 90, ms(600)))
    return ev, {0: 13, 1: 14}  # xylophone, tubular bells


def jingle_events():
    ev = []
    notes = [(0, 60), (130, 64), (260, 67)]
    for t, n in notes:
        ev.append((ms(t), 0, n, 105, ms(140)))
        ev.append((ms(t), 1, n + 12, 90, ms(300)))
    # Final chord.
    for n in (60, 64, 67, 72):
        ev.append((ms(400), 0, n, 115, ms(700)))
    ev.append((ms(400), 1, 84, 100, ms(800)))
    ev.append((ms(400), 9, 49, 90, ms(400)))  # crash cymbal
    return ev, {0: 61, 1: 9}  # brass section, glockenspiel


def render(events_and_programs, target, seconds, tmp):
    events, programs = events_and_programs
    mid = os.path.join(tmp, "x.mid")
    raw = os.path.join(tmp, "x.wav")
    with open(mid, "wb") as f:
        f.write(midi_file(events, programs))
    sf = next(p for p in SOUNDFONTS if os.path.exists(p))
    subprocess.run(["fluidsynth", "-ni", "-q", "-g", "0.8", "-r", "22050", "-F", raw, sf, mid], check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["sox", raw, "-r", "22050", "-c", "1", "-b", "16", target, "trim", "0", str(seconds),
                    "fade", "t", "0.005", "-0", "0.25", "norm", "-1"], check=True)


def main():
    os.makedirs(OUT, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        render(slot_events(), os.path.join(OUT, "slot.wav"), 2.3, tmp)
        render(jingle_events(), os.path.join(OUT, "sound.wav"), 1.6, tmp)
    for n in ("slot.wav", "sound.wav"):
        p = os.path.join(OUT, n)
        print(n, os.path.getsize(p), "bytes")


if __name__ == "__main__":
    sys.exit(main())
