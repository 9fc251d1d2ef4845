#!/usr/bin/python3
"""Synthesizes the match sounds, assets/sfx/*.ogg and assets/sfx/commentary/*.ogg
(sets 1-7: goal, own goal, corner, penalty, free kick, yellow card, red card).

Everything is built from noise, filters, envelopes and additive voices with
fixed seeds; the spoken parts (commentary, distant shouts, the chant words)
come from espeak-ng.  Files are encoded with oggenc using a fixed stream
serial, so a rerun reproduces them.  The DSP helpers here are shared with
gen_sound_music.py.

Needs: python3-numpy, espeak-ng, vorbis-tools (oggenc).
"""
import os
import subprocess
import sys
import tempfile
import wave

import numpy as np

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
SFX = os.path.join(ROOT, "assets", "sfx")
SR = 44100


# ---------------------------------------------------------------- basics

def rng(seed):
    return np.random.default_rng(seed)


def seconds(n):
    return int(round(n * SR))


def db(x):
    return 10.0 ** (x / 20.0)


def time_axis(n):
    return np.arange(n) / SR


def fft_filter(x, gain_of_freq, circular=False):
    """Zero-phase filter by a gain curve; `circular` keeps a loop seamless."""
    n = len(x)
    size = n if circular else n + seconds(0.25)
    bins = np.fft.rfft(x, size)
    bins *= gain_of_freq(np.fft.rfftfreq(size, 1.0 / SR))
    return np.fft.irfft(bins, size)[:n]


def band(lo, hi, order=2):
    """Smooth band-pass gain: Butterworth-like magnitudes, either edge may be None."""
    def gain(f):
        g = np.ones_like(f)
        if lo:
            g *= 1.0 / np.sqrt(1.0 + (lo / np.maximum(f, 1e-3)) ** (2 * order))
        if hi:
            g *= 1.0 / np.sqrt(1.0 + (f / hi) ** (2 * order))
        return g
    return gain


def peak_gain(f0, width, amount):
    return lambda f: 1.0 + amount / (1.0 + ((f - f0) / (width / 2)) ** 2)


def pink(n, r, circular=False):
    return fft_filter(r.standard_normal(n), lambda f: 1.0 / np.sqrt(np.maximum(f, 20.0) / 20.0), circular)


def smooth_noise(n, r, rate_hz, circular=False):
    """Slowly wandering control signal, roughly -1..1."""
    x = fft_filter(r.standard_normal(n), band(None, rate_hz, 2), circular)
    return x / (np.max(np.abs(x)) + 1e-9)


def env_adsr(n, attack, decay, sustain, release):
    t = time_axis(n)
    dur = n / SR
    e = np.where(t < attack, t / max(attack, 1e-6), 1.0)
    dec = np.clip((t - attack) / max(decay, 1e-6), 0, 1)
    e = np.where(t >= attack, 1.0 - (1.0 - sustain) * dec, e)
    rel = np.clip((dur - t) / max(release, 1e-6), 0, 1)
    return e * rel


def fade(x, fin, fout):
    x = x.copy()
    a, b = seconds(fin), seconds(fout)
    if a:
        x[:a] *= np.linspace(0, 1, a) ** 2
    if b:
        x[-b:] *= np.linspace(1, 0, b) ** 2
    return x


def place(buf, x, at, circular=False):
    """Adds x into buf at sample `at` (wrapping round when circular)."""
    at = int(at)
    if circular:
        idx = (np.arange(len(x)) + at) % len(buf)
        np.add.at(buf, idx, x)
        return
    if at < 0:
        x, at = x[-at:], 0
    if at >= len(buf) or len(x) == 0:
        return
    end = min(len(buf), at + len(x))
    buf[at:end] += x[:end - at]


def reverb_ir(length, decay, r, bright=6000.0):
    n = seconds(length)
    t = time_axis(n)
    ir = r.standard_normal(n) * np.exp(-t * 6.9 / decay)
    ir = fft_filter(ir, band(200, bright, 1))
    ir[0] = 0.0
    return ir / np.sqrt(np.sum(ir ** 2))


def convolve(x, ir, circular=False):
    n = len(x)
    size = n if circular else n + len(ir)
    y = np.fft.irfft(np.fft.rfft(x, size) * np.fft.rfft(ir, size), size)
    return y if not circular else y[:n]


def room(x, wet, length=0.9, decay=0.7, seed=5, circular=False, bright=6000.0):
    ir = reverb_ir(length, decay, rng(seed), bright)
    y = convolve(x, ir, circular)
    if not circular:
        dry = np.zeros(len(y))
        dry[:len(x)] = x
        return dry + wet * y
    return x + wet * y


def normalise_peak(x, peak_db):
    return x * (db(peak_db) / (np.max(np.abs(x)) + 1e-12))


def normalise_rms(x, rms_db):
    return x * (db(rms_db) / (np.sqrt(np.mean(x ** 2)) + 1e-12))


def soft_limit(x, ceiling_db=-1.0):
    """Leaves the body alone and rounds off the loudest peaks below the ceiling."""
    c = db(ceiling_db)
    knee = 0.7 * c
    a = np.abs(x)
    over = a > knee
    y = x.copy()
    y[over] = np.sign(x[over]) * (knee + (c - knee) * np.tanh((a[over] - knee) / (c - knee)))
    return y


def resample(x, factor):
    """Plays x `factor` times faster (pitch and tempo)."""
    n = int(len(x) / factor)
    return np.interp(np.arange(n) * factor, np.arange(len(x)), x)


# ---------------------------------------------------------------- i/o

def write_wav(path, data):
    """data: mono array or (n, 2) array, floats in -1..1."""
    data = np.asarray(data)
    if data.ndim == 1:
        data = data[:, None]
    pcm = np.clip(np.round(data * 32767.0), -32767, 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(data.shape[1])
        w.setsampwidth(2)
        w.setframerate(SR)
        w.writeframes(pcm.tobytes())


def read_wav(path):
    with wave.open(path, "rb") as w:
        rate = w.getframerate()
        ch = w.getnchannels()
        raw = np.frombuffer(w.readframes(w.getnframes()), dtype="<i2").astype(np.float64) / 32768.0
    if ch > 1:
        raw = raw.reshape(-1, ch).mean(axis=1)
    if rate != SR:
        raw = resample(raw, rate / SR)
    return raw


_serial = [1000]


def write_ogg(path, data, quality=3):
    """Encodes with a fixed serial so that regenerating gives the same bytes."""
    os.makedirs(os.path.dirname(path), exist_ok=True)
    _serial[0] += 1
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "x.wav")
        write_wav(wav, data)
        subprocess.run(["oggenc", "-Q", "-q", str(quality), "-s", str(_serial[0]), "--discard-comments",
                        "-o", path, wav], check=True)


def speak(text, voice="en-gb", speed=170, pitch=55, amplitude=150, extra=()):
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "s.wav")
        subprocess.run(["espeak-ng", "-v", voice, "-s", str(speed), "-p", str(pitch), "-a", str(amplitude),
                        *extra, "-w", wav, text], check=True)
        x = read_wav(wav)
    nz = np.nonzero(np.abs(x) > 0.004)[0]
    return x[max(0, nz[0] - 200):nz[-1] + 400] if len(nz) else x


# ---------------------------------------------------------------- voices

VOWELS = {  # formant frequency, bandwidth, relative level
    "oo": [(320, 90, 1.0), (800, 110, 0.45), (2300, 200, 0.08)],
    "oh": [(520, 100, 1.0), (880, 110, 0.6), (2400, 200, 0.1)],
    "ah": [(750, 120, 1.0), (1150, 130, 0.7), (2500, 220, 0.25)],
    "eh": [(560, 100, 1.0), (1800, 150, 0.5), (2550, 220, 0.3)],
    "ee": [(300, 80, 1.0), (2250, 200, 0.35), (3000, 250, 0.25)],
}


def formant_gain(vowel, scale=1.0):
    shape = VOWELS[vowel]

    def gain(f):
        g = np.zeros_like(f, dtype=np.float64)
        for fc, bw, lvl in shape:
            g += lvl / (1.0 + ((f - fc * scale) / (bw * scale / 2)) ** 2)
        return g
    return gain


def sung_voice(f0_curve, vowel, r, breath=0.15, formant_scale=1.0):
    """One voice: harmonics of a wandering pitch weighted by a vowel's formants, plus breath."""
    n = len(f0_curve)
    f0 = f0_curve * (1.0 + 0.012 * smooth_noise(n, r, 6.0))
    phase = 2 * np.pi * np.cumsum(f0) / SR
    g = formant_gain(vowel, formant_scale)
    out = np.zeros(n)
    top = int(4500 / np.min(f0))
    mean_f0 = float(np.mean(f0))
    for k in range(1, top + 1):
        amp = g(np.array([k * mean_f0]))[0] / k ** 0.6
        if amp < 1e-3:
            continue
        out += amp * np.sin(k * phase + r.uniform(0, 2 * np.pi))
    noise = fft_filter(r.standard_normal(n), g)
    return out / (np.max(np.abs(out)) + 1e-9) + breath * noise / (np.max(np.abs(noise)) + 1e-9)


def crowd_vowel(n, vowel, r, voices, f0_lo, f0_hi, glide=None, spread=0.04):
    """Many voices on the same vowel with their own pitch, timing and colour."""
    out = np.zeros(n)
    for _ in range(voices):
        f0 = r.uniform(f0_lo, f0_hi) * np.ones(n)
        if glide is not None:
            f0 = f0 * glide
        v = sung_voice(f0, vowel, r, breath=0.3, formant_scale=r.uniform(0.9, 1.12))
        shift = seconds(r.uniform(0, spread))
        v = np.roll(v, shift)
        v[:shift] = 0
        out += v * r.uniform(0.5, 1.0)
    return out / voices


# ---------------------------------------------------------------- effects

def ball_thump(r, body_hz, drop, length, click, click_band, noise_lp):
    n = seconds(length)
    t = time_axis(n)
    f = body_hz * (1.0 + drop * np.exp(-t / 0.012))
    body = np.sin(2 * np.pi * np.cumsum(f) / SR) * np.exp(-t / (length * 0.22))
    mid = np.sin(2 * np.pi * np.cumsum(f * 2.7) / SR) * np.exp(-t / 0.018) * 0.35
    slap = fft_filter(r.standard_normal(n), band(*click_band, 2)) * np.exp(-t / 0.004) * click
    thud = fft_filter(r.standard_normal(n), band(None, noise_lp, 2)) * np.exp(-t / 0.03) * 0.6
    x = body + mid + slap + thud
    attack = np.minimum(1.0, t / 0.0008)
    return x * attack


def kick():
    r = rng(11)
    x = ball_thump(r, 78, 1.6, 0.32, 0.9, (900, 4500), 900)
    x = room(x, 0.08, length=0.4, decay=0.25, seed=3)
    return normalise_peak(fade(x, 0, 0.05), -2.0)


def bounce():
    r = rng(12)
    x = ball_thump(r, 62, 1.0, 0.26, 0.35, (600, 2500), 500)
    x = room(x, 0.05, length=0.3, decay=0.2, seed=4)
    return normalise_peak(fade(x, 0, 0.05), -3.0)


def pea_whistle(r, length, pitch=3150.0, attack=0.02, release=0.06):
    """A pea whistle: a bright tone whose pitch and level flutter as the pea spins."""
    n = seconds(length)
    t = time_axis(n)
    trill_rate = 27.0 + 2.0 * smooth_noise(n, r, 3.0)
    trill = np.sin(2 * np.pi * np.cumsum(trill_rate) / SR)
    blow = np.minimum(1.0, t / attack) * np.clip((length - t) / release, 0, 1)
    f = pitch * (1.0 + 0.035 * trill + 0.008 * smooth_noise(n, r, 8.0)) * (0.97 + 0.03 * np.minimum(1.0, t / 0.05))
    ph = 2 * np.pi * np.cumsum(f) / SR
    tone = np.sin(ph) + 0.22 * np.sin(2 * ph + 0.5) + 0.06 * np.sin(3 * ph)
    am = 1.0 - 0.45 * (0.5 + 0.5 * trill) ** 2
    breath = fft_filter(r.standard_normal(n), band(pitch * 0.85, pitch * 1.3, 4)) * 0.25
    breath += fft_filter(r.standard_normal(n), band(5000, 9000, 4)) * 0.03
    return (tone * am + breath * (0.6 + 0.4 * am)) * blow


def whistle():
    r = rng(13)
    x = pea_whistle(r, 0.55)
    x = room(x, 0.22, length=1.2, decay=0.9, seed=6)
    return normalise_peak(fade(x, 0, 0.1), -3.0)


def foul_whistle():
    """The referee stopping play for a foul: one short, hard blast."""
    r = rng(22)
    x = pea_whistle(r, 0.28, pitch=3300.0, attack=0.006, release=0.04)
    x = room(x, 0.18, length=1.0, decay=0.7, seed=23)
    return normalise_peak(fade(x, 0, 0.1), -3.0)


def endgame():
    r = rng(14)
    out = np.zeros(seconds(3.6))
    at = 0.05
    for length in (0.45, 0.45, 1.35):
        place(out, pea_whistle(r, length, release=0.09), seconds(at))
        at += length + 0.28
    out = room(out, 0.25, length=1.4, decay=1.0, seed=7)
    return normalise_peak(fade(out, 0, 0.3), -3.0)


def claps(n, times, r, people=40, spread=0.035, level=1.0):
    """A section of the crowd clapping on the given beat times (seconds)."""
    out = np.zeros(n)
    clap_len = seconds(0.05)
    t = time_axis(clap_len)
    for beat in times:
        for _ in range(people):
            c = fft_filter(r.standard_normal(clap_len), band(r.uniform(700, 1200), r.uniform(2500, 4500), 2))
            c *= np.exp(-t / r.uniform(0.006, 0.012)) * r.uniform(0.4, 1.0)
            place(out, c, seconds(beat + r.normal(0, spread / 2)))
    return out * level / people ** 0.5


def jittered(start, stop, step, r):
    times = np.arange(start, stop, step)
    return times + r.uniform(0, step, len(times))


def crowd_bed(n, r, circular=False, brightness=2200.0):
    """The wash of thousands of voices: voice-band noise with a chesty hump."""
    x = pink(n, r, circular)
    x = fft_filter(x, band(180, brightness, 2), circular)
    x = fft_filter(x, peak_gain(450, 500, 1.5), circular)
    return x / np.sqrt(np.mean(x ** 2))


def missgoal():
    r = rng(15)
    n = seconds(2.8)
    t = time_axis(n)
    glide = 1.25 - 0.35 * np.clip(t / 1.8, 0, 1) ** 0.7
    ooh = crowd_vowel(n, "oo", r, 36, 150, 260, glide, spread=0.12)
    ooh += 0.5 * crowd_vowel(n, "oo", r, 16, 230, 380, glide, spread=0.12)
    swell = np.clip(t / 0.25, 0, 1) ** 1.5 * np.exp(-np.maximum(t - 0.5, 0) / 0.9)
    wash = crowd_bed(n, r, brightness=1500) * 0.05
    roar_noise = fft_filter(r.standard_normal(n), formant_gain("oo")) * 0.6
    x = (ooh / np.max(np.abs(ooh)) + 0.35 * roar_noise / np.max(np.abs(roar_noise))) * swell + wash
    x = room(x, 0.4, length=1.6, decay=1.3, seed=8, bright=4000)
    return normalise_peak(fade(x, 0.02, 0.5), -3.0)


def homegoal():
    r = rng(16)
    n = seconds(7.0)
    t = time_axis(n)
    rise = np.clip(t / 0.45, 0, 1) ** 1.2
    env = rise * (0.8 + 0.2 * np.exp(-t / 1.5)) * np.clip((7.0 - t) / 3.0, 0, 1) ** 1.5
    env *= 1.0 + 0.12 * smooth_noise(n, r, 2.0)
    glide = 0.92 + 0.1 * np.clip(t / 0.5, 0, 1)
    shout = crowd_vowel(n, "ah", r, 30, 170, 320, glide, spread=0.2)
    shout += 0.7 * crowd_vowel(n, "eh", r, 18, 260, 480, glide, spread=0.2)
    shout /= np.max(np.abs(shout))
    roar = crowd_bed(n, r, brightness=4500)
    roar = fft_filter(roar, formant_gain("ah")) + 0.6 * roar
    roar /= np.max(np.abs(roar))
    x = (0.6 * shout + 0.7 * roar) * env
    x += claps(n, jittered(1.2, 6.5, 0.07, r), r, people=6, spread=0.3, level=0.25)
    x = room(x, 0.35, length=2.0, decay=1.6, seed=9, bright=5000)
    # leave a gap in the speech band for the goal commentary that comes with the cheer
    x = fft_filter(x, peak_gain(2600, 2400, -0.5))
    return normalise_peak(fade(x, 0.0, 1.0), -3.0)


def chant():
    """"Here we go" sung on the terraces, with three claps after each line."""
    r = rng(17)
    beat = 60.0 / 126.0
    bars = 6
    n = seconds(bars * 4 * beat + 1.6)
    out = np.zeros(n)
    words = speak("Here we go!", "en-gb", speed=150, pitch=45, amplitude=160)
    for bar in range(bars):
        start = bar * 4 * beat + 0.1
        for singer in range(26):
            voice = ["en-gb", "en-us", "en-gb-scotland", "en-gb-x-rp"][singer % 4]
            w = WORD_CACHE.setdefault((voice, singer % 7),
                                      speak("Here we go!", voice + "+m%d" % (singer % 7 + 1), speed=140,
                                            pitch=35 + 6 * (singer % 7), amplitude=160))
            w = resample(w, r.uniform(0.9, 1.12))
            place(out, w * r.uniform(0.5, 1.0), seconds(start + r.normal(0, 0.03)))
        place(out, words * 0.5, seconds(start))
    out = fft_filter(out, band(160, 3200, 2))
    out /= np.max(np.abs(out))
    hums = np.zeros(n)
    t = time_axis(n)
    for bar in range(bars):
        # the held "go" of the chant as a sung chord under the words
        seg = seconds(1.6 * beat)
        st = seconds(bar * 4 * beat + 0.1 + 1.1 * beat)
        for f0 in (196.0, 247.0, 294.0):
            v = crowd_vowel(seg, "oh", r, 6, f0 * 0.98, f0 * 1.02, spread=0.03)
            place(hums, v * env_adsr(seg, 0.05, 0.2, 0.8, 0.3), st)
    hums /= np.max(np.abs(hums)) + 1e-9
    clap_times = []
    for bar in range(bars):
        b0 = bar * 4 * beat + 0.1
        clap_times += [b0 + 2.0 * beat, b0 + 2.5 * beat, b0 + 3.0 * beat]
    cl = claps(n, clap_times, r, people=60, spread=0.03)
    cl /= np.max(np.abs(cl))
    bed = crowd_bed(n, r) * 0.06
    x = out + 0.35 * hums + 0.55 * cl + bed * (0.5 + 0.5 * np.clip(t / 0.5, 0, 1))
    x = room(x, 0.45, length=2.0, decay=1.5, seed=10, bright=4500)
    return normalise_peak(fade(x, 0.3, 1.2), -2.0)


WORD_CACHE = {}


def crowd_loop():
    """A seamless stereo loop: every layer is built on a circle, so the end meets the start."""
    r = rng(18)
    length = 48.0
    n = seconds(length)
    t = time_axis(n)
    common = crowd_bed(n, r, circular=True)
    chans = []
    for side in range(2):
        x = 0.6 * common + 0.8 * crowd_bed(n, r, circular=True)
        # slow swells with a whole number of cycles per loop
        swell = np.zeros(n)
        for cycles, depth in ((1, 0.10), (3, 0.08), (5, 0.05), (11, 0.03)):
            swell += depth * np.sin(2 * np.pi * cycles * t / length + r.uniform(0, 2 * np.pi))
        chans.append(x * (1.0 + swell))
    # distant voices: babble syllables and shouts scattered round the circle
    babble = [np.zeros(n), np.zeros(n)]
    for _ in range(700):
        seg = seconds(r.uniform(0.12, 0.45))
        v = sung_voice(np.full(seg, r.uniform(110, 300)), str(r.choice(list(VOWELS))), r, breath=0.4)
        v *= np.sin(np.linspace(0, np.pi, seg)) ** 2 * r.uniform(0.2, 1.0)
        pan = r.uniform(0, 1)
        at = r.integers(0, n)
        place(babble[0], v * (1 - pan), at, circular=True)
        place(babble[1], v * pan, at, circular=True)
    shouts = ["come on!", "pass it!", "referee!", "get in!", "go on!", "shoot!", "hey!", "oi!", "man on!",
              "wake up!", "yes!", "unlucky!"]
    for i in range(22):
        w = speak(shouts[i % len(shouts)], ["en-gb", "en-gb-scotland", "en-us", "en-gb-x-rp"][i % 4] +
                  "+m%d" % (i % 7 + 1), speed=160, pitch=40 + 4 * (i % 6), amplitude=180)
        w = resample(w, r.uniform(0.92, 1.08)) * r.uniform(0.4, 1.0)
        pan = r.uniform(0.1, 0.9)
        at = r.integers(0, n)
        place(babble[0], w * (1 - pan) * 2.5, at, circular=True)
        place(babble[1], w * pan * 2.5, at, circular=True)
    # a few waves of excitement: a rising "oh" and a short ripple of applause
    for k in range(4):
        seg = seconds(3.0)
        ts = time_axis(seg)
        glide = 0.95 + 0.15 * np.clip(ts / 1.5, 0, 1)
        v = crowd_vowel(seg, "oh", r, 14, 150, 280, glide, spread=0.3)
        v = v / np.max(np.abs(v)) * np.sin(np.pi * ts / 3.0) ** 2 * 0.35
        at = seconds(length * (k + r.uniform(0.1, 0.9)) / 4)
        place(babble[0], v, at, circular=True)
        place(babble[1], v, at + seconds(0.01), circular=True)
        cl = claps(seconds(2.5), jittered(0.2, 2.0, 0.08, r), r, people=4, spread=0.4)
        place(babble[k % 2], cl * 0.5, at + seconds(1.0), circular=True)
    ir = reverb_ir(1.8, 1.6, rng(19), bright=3500)
    out = []
    for side in range(2):
        b = fft_filter(babble[side], band(150, 3500, 2), circular=True)
        b = b / np.sqrt(np.mean(b ** 2))
        mix = chans[side] + 0.35 * b
        mix = mix + 0.6 * convolve(mix, ir, circular=True)
        out.append(mix)
    st = np.stack(out, axis=1)
    return normalise_rms(st, -21.0)


def intro():
    """A short stadium sting: a brass chord stab over the crowd rising to a cheer."""
    r = rng(20)
    n = seconds(4.0)
    t = time_axis(n)
    x = np.zeros(n)
    for f in (261.63, 329.63, 392.0, 523.25):
        for detune in (-0.004, 0.0, 0.004):
            ph = 2 * np.pi * f * (1 + detune) * t
            saw = sum(np.sin(k * ph) / k for k in range(1, 14))
            x += saw * env_adsr(n, 0.03, 0.4, 0.5, 1.5)
    x = fft_filter(x, band(120, 3000, 2))
    x /= np.max(np.abs(x))
    crowd = crowd_bed(n, r, brightness=3500) * 0.12 * np.clip(t / 1.5, 0, 1)
    drum = np.zeros(n)
    for k, at in enumerate((0.0, 0.12, 0.24)):
        place(drum, ball_thump(r, 55, 2.0, 0.5, 0.2, (200, 2000), 300) * (0.6 + 0.2 * k), seconds(at))
    x = room(0.5 * x + crowd + 0.5 * drum, 0.3, length=1.5, decay=1.2, seed=21)
    return normalise_peak(fade(x, 0.0, 0.8), -2.0)


# ---------------------------------------------------------------- commentary

GOAL = ["Goal!", "What a strike!", "Gooooaaal! What a finish!", "He scores!", "It's in the back of the net!",
        "Brilliant! What a goal!"]
OWN_GOAL = ["Oh no, an own goal!", "Into his own net!", "Disaster! An own goal!",
            "He's put it past his own keeper!", "Oh dear, that's an own goal.", "What a calamity! Own goal!"]
CORNER = ["Corner kick.", "That's a corner.", "Corner to the attackers.", "It goes out for a corner.",
          "Another corner.", "A corner. Can they make it count?"]
PENALTY = ["Penalty!", "It's a penalty!", "The referee points to the spot!", "Penalty kick!",
           "He's given a penalty!", "A penalty! What a chance!"]
FREE_KICK = ["Free kick.", "That's a free kick.", "The referee gives a free kick.", "Foul. Free kick.",
             "A free kick in a dangerous area.", "Free kick to the attackers."]
YELLOW_CARD = ["Yellow card.", "He's booked!", "That's a yellow card.", "Into the book he goes.",
               "A booking for that one.", "The referee shows yellow."]
RED_CARD = ["Red card!", "He's sent off!", "That's a red card!", "Off he goes!",
            "The referee shows red! He's off!", "A straight red card!"]

# voice, words per minute, pitch, extra options: the same commentator in different moods
DELIVERY = {
    "goal": [("en-gb+m3", 175, 70), ("en-gb+m1", 185, 65), ("en-gb+m3", 150, 75), ("en-gb+m1", 190, 68),
             ("en-gb+m3", 180, 66), ("en-gb+m1", 185, 72)],
    "own": [("en-gb+m3", 170, 62), ("en-gb+m1", 175, 58), ("en-gb+m3", 180, 66), ("en-gb+m1", 170, 60),
            ("en-gb+m3", 160, 52), ("en-gb+m1", 180, 64)],
    "corner": [("en-gb+m1", 160, 50), ("en-gb+m3", 165, 52), ("en-gb+m1", 170, 55), ("en-gb+m3", 165, 50),
               ("en-gb+m1", 160, 54), ("en-gb+m3", 170, 55)],
    "penalty": [("en-gb+m3", 175, 68), ("en-gb+m1", 180, 64), ("en-gb+m3", 170, 70), ("en-gb+m1", 165, 62),
                ("en-gb+m3", 180, 66), ("en-gb+m1", 175, 70)],
    "free_kick": [("en-gb+m1", 160, 50), ("en-gb+m3", 165, 52), ("en-gb+m1", 165, 54), ("en-gb+m3", 160, 50),
                  ("en-gb+m1", 165, 55), ("en-gb+m3", 170, 52)],
    "yellow": [("en-gb+m3", 165, 56), ("en-gb+m1", 175, 60), ("en-gb+m3", 165, 54), ("en-gb+m1", 170, 56),
               ("en-gb+m3", 165, 55), ("en-gb+m1", 165, 58)],
    "red": [("en-gb+m3", 175, 66), ("en-gb+m1", 180, 64), ("en-gb+m3", 175, 68), ("en-gb+m1", 175, 62),
            ("en-gb+m3", 180, 70), ("en-gb+m1", 170, 66)],
}


def commentary(text, delivery, excited, seed):
    voice, speed, pitch = delivery
    r = rng(seed)
    v = speak(text, voice, speed=speed, pitch=pitch, amplitude=180, extra=("-g", "2"))
    v = fft_filter(v, band(140, 7000, 2))
    v = fft_filter(v, peak_gain(2500, 2000, 0.6))  # presence, so it cuts through the crowd
    v = soft_limit(normalise_peak(v, 0.0) * 2.2, -1.0)  # squashes the peaks like a hot microphone
    lead, tail = seconds(0.08), seconds(0.6)
    body = np.concatenate([np.zeros(lead), v, np.zeros(tail)])
    n = len(body)
    # a booth with a little slap from the stand roof
    echo = np.zeros(n)
    place(echo, body * 0.18, seconds(0.085))
    place(echo, body * 0.09, seconds(0.17))
    x = room(body + echo, 0.12, length=0.6, decay=0.45, seed=seed + 1)[:n]
    crowd = crowd_bed(n, r, brightness=3000 if excited else 2000) * (0.05 if excited else 0.03)
    x = x / np.max(np.abs(x)) + crowd
    return normalise_peak(fade(x, 0.01, 0.35), -1.5)


def main():
    for tool in ("oggenc", "espeak-ng"):
        if subprocess.run(["sh", "-c", "command -v " + tool], capture_output=True).returncode != 0:
            sys.exit("gen_sound.py needs %s (apt-get install vorbis-tools espeak-ng)" % tool)
    effects = [("intro", intro), ("crowd", crowd_loop), ("bounce", bounce), ("kick", kick),
               ("whistle", whistle), ("missgoal", missgoal), ("homegoal", homegoal), ("chant", chant),
               ("endgame", endgame)]
    for name, make in effects:
        write_ogg(os.path.join(SFX, name + ".ogg"), make(), quality=2 if name == "crowd" else 3)
        print("sfx/%s.ogg" % name)
    sets = [("1", GOAL, "goal", True), ("2", OWN_GOAL, "own", True), ("3", CORNER, "corner", False)]
    for digit, lines, kind, excited in sets:
        for i, text in enumerate(lines):
            x = commentary(text, DELIVERY[kind][i], excited, seed=100 * int(digit) + i)
            write_ogg(os.path.join(SFX, "commentary", "%s0%d.ogg" % (digit, i + 1)), x, quality=2)
    print("sfx/commentary: 18 samples")
    # Added after the first sets, so their stream serials (and bytes) stay as they were.
    extra = [("4", PENALTY, "penalty", True), ("5", FREE_KICK, "free_kick", False), ("6", YELLOW_CARD, "yellow", False),
             ("7", RED_CARD, "red", True)]
    for digit, lines, kind, excited in extra:
        for i, text in enumerate(lines):
            x = commentary(text, DELIVERY[kind][i], excited, seed=100 * int(digit) + i)
            write_ogg(os.path.join(SFX, "commentary", "%s0%d.ogg" % (digit, i + 1)), x, quality=2)
    print("sfx/commentary: %d more samples" % sum(len(e[1]) for e in extra))
    write_ogg(os.path.join(SFX, "whistle_foul.ogg"), foul_whistle())
    print("sfx/whistle_foul.ogg")


if __name__ == "__main__":
    main()
