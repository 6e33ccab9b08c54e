#!/usr/bin/env python3
"""Makes the program's three sounds as 16-bit mono 22050 Hz WAVE files.

    1256.wav  a short soft tick (neutral)
    1257.wav  a rising three-note chime C6-E6-G6 (success)
    1258.wav  a soft low "uh-oh", G4 then D#4 (failure)

Only the standard library is used and the output is the same on every run.
Usage: sesler_uret.py [output directory]   (default: ../resources/sounds)
"""

import math
import os
import struct
import sys
import wave

ORNEK_HIZI = 22050
TEPE = 10 ** (-6.0 / 20.0)  # peak level, about -6 dBFS


def sure_ornek(saniye):
    return int(round(saniye * ORNEK_HIZI))


def yumusak_kenar(ornekler, giris, cikis):
    """Raised-cosine fade in and fade out, so the sound starts and ends at zero."""
    n = len(ornekler)
    gi = max(1, sure_ornek(giris))
    ci = max(1, sure_ornek(cikis))
    for i in range(min(gi, n)):
        ornekler[i] *= 0.5 - 0.5 * math.cos(math.pi * i / gi)
    for k in range(min(ci, n)):
        i = n - 1 - k
        ornekler[i] *= 0.5 - 0.5 * math.cos(math.pi * k / ci)
    return ornekler


def olcekle(ornekler, tepe=TEPE):
    en_buyuk = max(abs(x) for x in ornekler) or 1.0
    return [x * tepe / en_buyuk for x in ornekler]


def tik():
    """About 80 ms: a damped 1.4 kHz sine with a faint lower body, like a soft wooden tick."""
    n = sure_ornek(0.080)
    ornekler = []
    for i in range(n):
        t = i / ORNEK_HIZI
        zarf = math.exp(-t / 0.012)
        govde = math.exp(-t / 0.020)
        x = (math.sin(2 * math.pi * 1400 * t) * zarf
             + 0.35 * math.sin(2 * math.pi * 700 * t) * govde)
        ornekler.append(x)
    return yumusak_kenar(ornekler, 0.002, 0.015)


def zil_notasi(frekans, t):
    """A bell-like note: fundamental with a few decaying partials."""
    kismilar = ((1.0, 1.00, 0.30),   # (frequency ratio, amplitude, decay time)
                (2.0, 0.35, 0.15),
                (3.0, 0.12, 0.08),
                (4.2, 0.06, 0.05))
    x = 0.0
    for oran, genlik, sonum in kismilar:
        x += genlik * math.exp(-t / sonum) * math.sin(2 * math.pi * frekans * oran * t)
    return x


def zil():
    """About 0.6 s: C6, E6 and G6 started 110 ms apart, each ringing on."""
    notalar = ((1046.50, 0.000), (1318.51, 0.110), (1567.98, 0.220))
    n = sure_ornek(0.600)
    ornekler = [0.0] * n
    for frekans, baslangic in notalar:
        b = sure_ornek(baslangic)
        atak = sure_ornek(0.004)
        for i in range(b, n):
            k = i - b
            t = k / ORNEK_HIZI
            yumusak = min(1.0, k / atak)
            ornekler[i] += 0.8 * yumusak * zil_notasi(frekans, t)
    return yumusak_kenar(ornekler, 0.003, 0.060)


def ahh():
    """About 0.5 s: two warm notes falling from 392 Hz to 311 Hz."""
    notalar = ((392.0, 0.000, 0.210), (311.13, 0.230, 0.270))
    n = sure_ornek(0.500)
    ornekler = [0.0] * n
    for frekans, baslangic, uzunluk in notalar:
        b = sure_ornek(baslangic)
        m = sure_ornek(uzunluk)
        parca = []
        for k in range(m):
            t = k / ORNEK_HIZI
            ilerleme = k / m
            # a slight downward glide makes the second note sound sighing
            f = frekans * (1.0 - 0.015 * ilerleme)
            zarf = min(1.0, t / 0.020) * math.exp(-t / 0.220)
            faz = 2 * math.pi * f * t
            parca.append(zarf * (math.sin(faz) + 0.22 * math.sin(2 * faz) + 0.05 * math.sin(3 * faz)))
        yumusak_kenar(parca, 0.012, 0.040)
        for k, x in enumerate(parca):
            if b + k < n:
                ornekler[b + k] += x
    return yumusak_kenar(ornekler, 0.005, 0.030)


def yaz(yol, ornekler):
    ornekler = olcekle(ornekler)
    veri = b"".join(struct.pack("<h", int(round(max(-1.0, min(1.0, x)) * 32767)))
                    for x in ornekler)
    with wave.open(yol, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(ORNEK_HIZI)
        w.writeframes(veri)


def main():
    burasi = os.path.dirname(os.path.abspath(__file__))
    hedef = sys.argv[1] if len(sys.argv) > 1 else os.path.join(burasi, "..", "resources", "sounds")
    os.makedirs(hedef, exist_ok=True)
    for ad, uretici in (("1256.wav", tik), ("1257.wav", zil), ("1258.wav", ahh)):
        yol = os.path.join(hedef, ad)
        yaz(yol, uretici())
        print(yol)


if __name__ == "__main__":
    main()
