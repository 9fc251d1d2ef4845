#!/usr/bin/python3
"""Composes and renders the menu music, assets/music/*.ogg.

A small sequencer in the manner of 16-bit console soundtracks: pulse-wave
leads, a triangle or pulse bass, saw chord stabs, fast arpeggios and noise
drums.  Each track has its own tempo, key, progressions and a seeded melody
built from a repeated motif, so the tunes stay catchy and are the same on
every run.  Tracks are brought to about -16 LUFS with peaks under -1 dBFS.
"""
import math
import os

import numpy as np

from gen_sound import (SR, band, db, fft_filter, rng, room, seconds, soft_limit, time_axis, write_ogg)

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
MUSIC = os.path.join(ROOT, "assets", "music")

MAJOR = [0, 2, 4, 5, 7, 9, 11]
MIXOLYDIAN = [0, 2, 4, 5, 7, 9, 10]
DORIAN = [0, 2, 3, 5, 7, 9, 10]


def midi_hz(m):
    return 440.0 * 2.0 ** ((m - 69) / 12.0)


# ---------------------------------------------------------------- oscillators

def _blep(t, dt):
    r = np.zeros_like(t)
    lo = t < dt
    x = t[lo] / dt[lo]
    r[lo] = x + x - x * x - 1.0
    hi = t > 1.0 - dt
    x = (t[hi] - 1.0) / dt[hi]
    r[hi] = x * x + x + x + 1.0
    return r


def _phase(freq):
    dt = freq / SR
    return np.cumsum(dt) % 1.0, dt


def pulse(freq, duty):
    t, dt = _phase(freq)
    v = np.where(t < duty, 1.0, -1.0)
    return v + _blep(t, dt) - _blep((t + 1.0 - duty) % 1.0, dt)


def saw(freq):
    t, dt = _phase(freq)
    return 2.0 * t - 1.0 - _blep(t, dt)


def triangle(freq):
    t, _ = _phase(freq)
    return 4.0 * np.abs(t - 0.5) - 1.0


def envelope(n, attack, decay, sustain, release_at, release):
    t = time_axis(n)
    e = np.minimum(1.0, t / attack) if attack > 0 else np.ones(n)
    e = e * (sustain + (1.0 - sustain) * np.exp(-np.maximum(t - attack, 0) / decay))
    rel = np.clip(1.0 - (t - release_at) / release, 0, 1)
    return e * rel


# ---------------------------------------------------------------- instruments

def lead_note(m, dur, vel, duty, vibrato=True):
    n = seconds(dur + 0.12)
    t = time_axis(n)
    f = midi_hz(m) * np.ones(n)
    if vibrato:
        f *= 1.0 + 0.006 * np.sin(2 * np.pi * 5.5 * t) * np.clip((t - 0.15) / 0.2, 0, 1)
    x = 0.7 * pulse(f, duty) + 0.3 * pulse(f * 1.003, duty)
    return x * envelope(n, 0.004, 0.25, 0.7, dur, 0.1) * vel


def bass_note(m, dur, vel, kind):
    n = seconds(dur + 0.04)
    f = midi_hz(m) * np.ones(n)
    x = triangle(f) if kind == "tri" else 0.6 * pulse(f, 0.25) + 0.5 * triangle(f)
    return x * envelope(n, 0.002, 0.15, 0.75, dur, 0.03) * vel


def chord_stab(notes, dur, vel):
    n = seconds(dur + 0.08)
    x = np.zeros(n)
    for m in notes:
        f = midi_hz(m) * np.ones(n)
        x += saw(f * 0.998) + saw(f * 1.002)
    return x / len(notes) * envelope(n, 0.003, 0.12, 0.45, dur, 0.07) * vel


def pad(notes, dur, vel):
    n = seconds(dur + 0.3)
    x = np.zeros(n)
    for m in notes:
        f = midi_hz(m) * np.ones(n)
        x += pulse(f, 0.5) * 0.5 + saw(f * 1.004) * 0.5
    return x / len(notes) * envelope(n, 0.08, 0.6, 0.6, dur, 0.3) * vel


def arp_note(m, dur, vel):
    n = seconds(dur)
    f = midi_hz(m) * np.ones(n)
    return pulse(f, 0.125) * envelope(n, 0.001, 0.05, 0.3, dur * 0.8, dur * 0.2) * vel


class Drums:
    def __init__(self, seed):
        r = rng(seed)
        n = seconds(0.35)
        t = time_axis(n)
        f = 48.0 + 110.0 * np.exp(-t / 0.03)
        self.kick = np.sin(2 * np.pi * np.cumsum(f) / SR) * np.exp(-t / 0.12)
        self.kick += fft_filter(r.standard_normal(n), band(1000, 5000)) * np.exp(-t / 0.003) * 0.3
        n = seconds(0.25)
        t = time_axis(n)
        tone = np.sin(2 * np.pi * 190.0 * t) * np.exp(-t / 0.04)
        rattle = fft_filter(r.standard_normal(n), band(1200, 9000)) * np.exp(-t / 0.07)
        self.snare = 0.6 * tone + 0.8 * rattle / np.max(np.abs(rattle))
        n = seconds(0.06)
        t = time_axis(n)
        hat = fft_filter(r.standard_normal(n), band(7000, None, 3))
        self.hat = hat / np.max(np.abs(hat)) * np.exp(-t / 0.012)
        n = seconds(0.3)
        t = time_axis(n)
        ohat = fft_filter(r.standard_normal(n), band(6000, None, 3))
        self.open_hat = ohat / np.max(np.abs(ohat)) * np.exp(-t / 0.09)
        n = seconds(1.8)
        t = time_axis(n)
        crash = fft_filter(r.standard_normal(n), band(3500, 14000, 2))
        self.crash = crash / np.max(np.abs(crash)) * np.exp(-t / 0.6)
        n = seconds(0.3)
        t = time_axis(n)
        self.tom = np.sin(2 * np.pi * np.cumsum(110.0 + 60.0 * np.exp(-t / 0.05)) / SR) * np.exp(-t / 0.12)


# ---------------------------------------------------------------- composition

class Song:
    def __init__(self, name, seed, bpm, key, scale, progressions, form, lead_duty, bass_kind, groove, swing=0.0):
        self.name, self.seed, self.bpm, self.key, self.scale = name, seed, bpm, key, scale
        self.progressions, self.form = progressions, form
        self.lead_duty, self.bass_kind, self.groove, self.swing = lead_duty, bass_kind, groove, swing


def degree_note(song, degree, octave=0):
    s = song.scale
    return song.key + 12 * (octave + degree // 7) + s[degree % 7]


def chord_notes(song, root_degree, size=3):
    return [degree_note(song, root_degree + 2 * i) for i in range(size)]


def voiced(notes, low=55):
    out = []
    for m in notes:
        while m < low:
            m += 12
        while m >= low + 12:
            m -= 12
        out.append(m)
    return sorted(out)


RHYTHMS = [  # one bar of sixteenth steps: (onset, length)
    [(0, 3), (3, 1), (4, 2), (6, 2), (8, 4), (12, 2), (14, 2)],
    [(0, 2), (2, 2), (4, 3), (7, 1), (8, 2), (10, 2), (12, 4)],
    [(0, 4), (4, 2), (6, 1), (7, 1), (8, 6), (14, 2)],
    [(0, 1), (2, 1), (3, 3), (6, 2), (8, 2), (10, 1), (11, 3), (14, 2)],
    [(0, 2), (2, 1), (3, 2), (6, 2), (8, 3), (11, 1), (12, 2), (14, 2)],
]


def make_motif(r):
    """Two bars of rhythm with a melodic contour given as scale steps."""
    bars = [RHYTHMS[i] for i in r.choice(len(RHYTHMS), 2)]
    steps = []
    for bar in bars:
        steps.append([int(r.choice([-2, -1, -1, 0, 1, 1, 2, 3])) for _ in bar])
    return bars, steps


def melody_for(song, motif, chords, r, answer):
    """Lays the motif over four bars of chords; the last bar of an answer resolves home."""
    bars, steps = motif
    notes = []
    degree = 7  # start an octave above the key note
    for b, root in enumerate(chords):
        rhythm, contour = bars[b % 2], steps[b % 2]
        if answer and b == 3:
            rhythm = [(0, 2), (2, 2), (4, 4), (8, 8)]
            contour = [1, -1, -1, 0]
        for (onset, length), step in zip(rhythm, contour):
            degree += step
            tones = [root + 2 * i for i in range(3)]
            if onset % 4 == 0:  # strong beats land on a chord tone
                degree = min((t + 7 * o for t in tones for o in (0, 1, 2)), key=lambda d: abs(d - degree))
            degree = int(np.clip(degree, 3, 13))
            if answer and b == 3 and onset == 8:
                degree = 7 if abs(degree - 7) < abs(degree - 14) else 14
            notes.append((b * 16 + onset, length, degree_note(song, degree)))
    return notes


def render(song):
    r = rng(song.seed)
    drums = Drums(song.seed + 1)
    step = 60.0 / song.bpm / 4.0
    bars = sum(count for _, count in song.form)
    total = seconds(bars * 16 * step + 2.5)
    stems = {k: np.zeros(total) for k in ("drums", "bass", "chords", "arp", "lead", "pad")}
    motifs = {label: make_motif(r) for label in "ABC"}

    def at(bar, s16):
        swing = song.swing * step if s16 % 2 == 1 else 0.0
        return seconds((bar * 16 + s16) * step + swing)

    def add(stem, x, pos, gain=1.0):
        end = min(total, pos + len(x))
        stems[stem][pos:end] += x[:end - pos] * gain

    bar0 = 0
    for label, count in song.form:
        prog = song.progressions[label if label in song.progressions else "A"]
        motif = motifs.get(label if label in motifs else "A")
        full = label in "ABC"
        for b in range(count):
            bar = bar0 + b
            root = prog[b % len(prog)]
            notes = chord_notes(song, root, 4 if label == "C" else 3)
            # drums
            if label != "break" or b >= count - 1:
                for s in range(16):
                    g = song.groove
                    if s in g["kick"]:
                        add("drums", drums.kick, at(bar, s), 1.0)
                    if s in g["snare"]:
                        add("drums", drums.snare, at(bar, s), 0.7)
                    if s % 2 == 0 or (full and s in g.get("hat16", ())):
                        add("drums", drums.open_hat if s in g["open"] else drums.hat, at(bar, s),
                            0.22 if s % 4 == 2 else 0.14)
                if b == count - 1 and label != "outro":  # a fill into the next section
                    for s, tom in ((12, 1.0), (13, 0.85), (14, 0.75), (15, 0.65)):
                        add("drums", resample_tom(drums.tom, tom), at(bar, s), 0.6)
            if b == 0 and label != "intro":
                add("drums", drums.crash, at(bar, 0), 0.35)
            # bass
            bass_root = degree_note(song, root, 0) - 24
            while bass_root < 33:
                bass_root += 12
            for s, interval, length in song.groove["bass"]:
                if label == "break" and s % 8:
                    continue
                add("bass", bass_note(bass_root + interval, length * step * 0.9, 0.9, song.bass_kind), at(bar, s))
            # harmony
            if label in ("break", "intro"):
                add("pad", pad(voiced(notes, 57), 16 * step, 0.5), at(bar, 0))
            else:
                for s in song.groove["stabs"]:
                    add("chords", chord_stab(voiced(notes, 58), step * 1.2, 0.5), at(bar, s))
            if full or label == "break":
                arp = voiced(notes, 67) + [voiced(notes, 67)[0] + 12]
                for s in range(16):
                    add("arp", arp_note(arp[(s + bar) % len(arp)] if s % 4 else arp[0], step * 0.95, 0.25),
                        at(bar, s))
        if full:
            for phrase in range(0, count, 4):
                chords = [prog[(phrase + i) % len(prog)] for i in range(4)]
                for onset, length, m in melody_for(song, motif, chords, r, answer=(phrase // 4) % 2 == 1):
                    bar = bar0 + phrase + onset // 16
                    add("lead", lead_note(m, length * step * 0.92, 0.55, song.lead_duty), at(bar, onset % 16))
        bar0 += count
    return mixdown(song, stems)


def resample_tom(x, factor):
    return np.interp(np.arange(int(len(x) / factor)) * factor, np.arange(len(x)), x)


def mixdown(song, stems):
    stems["chords"] = fft_filter(stems["chords"], band(150, 2800, 2))
    stems["pad"] = fft_filter(stems["pad"], band(150, 1800, 2))
    stems["lead"] = fft_filter(stems["lead"], band(200, 6000, 1))
    stems["arp"] = fft_filter(stems["arp"], band(400, 5000, 1))
    stems["bass"] = fft_filter(stems["bass"], band(35, 2500, 2))
    levels = {"drums": 0.9, "bass": 0.75, "chords": 0.45, "pad": 0.45, "arp": 0.22, "lead": 0.55}
    pans = {"drums": 0.5, "bass": 0.5, "chords": 0.35, "pad": 0.5, "arp": 0.75, "lead": 0.5}
    n = len(stems["drums"])
    left, right = np.zeros(n), np.zeros(n)
    for k, x in stems.items():
        x = x * levels[k]
        p = pans[k]
        left += x * math.cos(p * math.pi / 2) * math.sqrt(2)
        right += x * math.sin(p * math.pi / 2) * math.sqrt(2)
    # a short echo on the lead for width
    echo = seconds(3 * 60.0 / song.bpm / 4.0)
    lead = stems["lead"] * levels["lead"] * 0.25
    left[echo:] += lead[:-echo]
    right[2 * echo:] += lead[:-2 * echo] * 0.6
    wet = room(left + right, 1.0, length=1.2, decay=0.9, seed=song.seed + 2)[:n] * 0.08
    st = np.stack([left + wet, right + wet], axis=1)
    st = st * db(-16.0 - loudness(st))
    for _ in range(3):  # the limiter takes a little loudness; settle on the target
        st = soft_limit(st, -1.0)
        st = st * db(-16.0 - loudness(st))
    st = soft_limit(st, -1.0)
    tail = seconds(2.0)
    st[-tail:] *= np.linspace(1, 0, tail)[:, None]
    return st


def loudness(st):
    """Integrated loudness in the manner of BS.1770 (K-weighting by its magnitude response, gated)."""
    def k_weight(f):
        shelf = 1.0 + (db(4.0) - 1.0) / (1.0 + (1500.0 / np.maximum(f, 1.0)) ** 2)
        hp = 1.0 / np.sqrt(1.0 + (38.0 / np.maximum(f, 1e-3)) ** 4)
        return shelf * hp
    chans = [fft_filter(st[:, c], k_weight) for c in range(st.shape[1])]
    block, hop = seconds(0.4), seconds(0.1)
    powers = []
    for s in range(0, len(chans[0]) - block, hop):
        powers.append(sum(np.mean(c[s:s + block] ** 2) for c in chans))
    powers = np.array(powers)
    lufs = -0.691 + 10 * np.log10(np.maximum(powers, 1e-12))
    keep = powers[lufs > -70]
    rel = -0.691 + 10 * np.log10(np.mean(keep)) - 10
    keep = powers[lufs > max(-70, rel)]
    return -0.691 + 10 * np.log10(np.mean(keep))


FOUR = {"kick": (0, 8), "snare": (4, 12), "open": (14,), "hat16": (3, 11),
        "bass": [(0, 0, 2), (3, 12, 1), (4, 0, 2), (6, 7, 2), (8, 0, 2), (11, 12, 1), (12, 0, 2), (14, 7, 2)],
        "stabs": (2, 6, 10, 14)}
DRIVE = {"kick": (0, 6, 8, 10), "snare": (4, 12), "open": (6, 14), "hat16": (1, 5, 9, 13),
         "bass": [(s, 12 if s % 4 == 2 else 0, 1) for s in range(0, 16, 2)],
         "stabs": (0, 3, 6, 10, 12)}
FUNK = {"kick": (0, 3, 8, 11), "snare": (4, 12, 15), "open": (10,), "hat16": (1, 3, 5, 7, 9, 11, 13, 15),
        "bass": [(0, 0, 2), (3, 0, 1), (6, 10, 1), (7, 12, 2), (10, 7, 1), (11, 0, 2), (14, 3, 1), (15, 5, 1)],
        "stabs": (2, 7, 10, 15)}
SHUFFLE = {"kick": (0, 6, 8), "snare": (4, 12), "open": (2,), "hat16": (),
           "bass": [(0, 0, 3), (4, 7, 2), (6, 9, 2), (8, 12, 3), (12, 9, 2), (14, 7, 2)],
           "stabs": (2, 6, 10, 14)}

FORM = [("intro", 4), ("A", 8), ("B", 8), ("A", 8), ("break", 4), ("C", 8), ("A", 8), ("outro", 2)]

SONGS = [
    Song("kickabout", 301, 132, 62, MAJOR, {"A": [0, 4, 5, 3], "B": [5, 3, 0, 4], "C": [1, 4, 0, 5]},
         FORM, 0.5, "tri", FOUR),
    Song("overhead", 302, 146, 64, MAJOR, {"A": [0, 5, 3, 4], "B": [3, 4, 2, 5], "C": [5, 4, 3, 4]},
         FORM, 0.25, "pulse", DRIVE),
    Song("stoppage", 303, 112, 57, DORIAN, {"A": [0, 3, 0, 6], "B": [5, 6, 0, 0], "C": [3, 4, 6, 0]},
         FORM, 0.125, "pulse", FUNK, swing=0.12),
    Song("terrace", 304, 124, 60, MIXOLYDIAN, {"A": [0, 6, 3, 0], "B": [3, 0, 6, 4], "C": [5, 3, 6, 0]},
         [("intro", 2), ("A", 8), ("B", 8), ("break", 2), ("A", 8), ("C", 4), ("A", 4), ("outro", 2)],
         0.5, "tri", SHUFFLE, swing=0.2),
]


def main():
    for song in SONGS:
        st = render(song)
        write_ogg(os.path.join(MUSIC, song.name + ".ogg"), st, quality=2)
        print("music/%s.ogg  %.1f s  %.1f LUFS" % (song.name, len(st) / SR, loudness(st)))


if __name__ == "__main__":
    main()
