#!/usr/bin/env python3
"""Draws the art of the balance activity into resources/pictures/.

- terazi_dengede.svg, terazi_sol.svg, terazi_sag.svg: the balance level,
  tipped left (left pan down) and tipped right. The window hangs its two pans
  at fixed offsets from the picture's top-left (IL, IT):
      level        left pan (IL-128, IT+95)   right pan (left + 436, IT+95)
      tipped left  left pan (IL-123, IT+165)  right pan (left + 421, IT+65)
      tipped right left pan (IL-128, IT+65)   right pan (left + 419, IT+165)
  Each pan is 250 pixels wide and its hook ring stands KANCA_X pixels from its
  left edge, so the chains of every picture end where the hooks are.
- kefe.svg: one pan, hook ring and basket, drawn stretched over the pan.
- agirlik1.svg, agirlik3.svg, agirlik5.svg, agirlikx.svg: the weights, a ring
  on a block in the weight's colour; the program writes the number on the block.

The output depends on this file only; running it twice gives the same bytes.
"""

import math
import pathlib

KOK = pathlib.Path(__file__).resolve().parent.parent
HEDEF = KOK / "resources" / "pictures"

KANCA_X = 131      # the hook ring's centre, from the pan's left edge
KANCA_UST = 2      # the top of the hook ring, from the pan's top
PIVOT = (221, 60)  # where the beam turns
KOL = 218          # half the beam's length
EGIM = 12.7        # degrees the beam turns when one side is heavier
GENISLIK, YUKSEKLIK = 444, 368

# Pan top-left corners relative to the picture, as the window places them.
DURUMLAR = {
    "dengede": (0.0, (-128, 95), (-128 + 436, 95)),
    "sol": (-EGIM, (-123, 165), (-123 + 421, 65)),
    "sag": (EGIM, (-128, 65), (-128 + 419, 165)),
}

AHSAP = """    <linearGradient id="ahsap" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#C98B4E"/>
      <stop offset="0.45" stop-color="#E2B07A"/>
      <stop offset="1" stop-color="#B87A3E"/>
    </linearGradient>
    <linearGradient id="kiris" x1="0" y1="-7" x2="0" y2="7" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#E2B07A"/>
      <stop offset="1" stop-color="#B87A3E"/>
    </linearGradient>
    <linearGradient id="taban" x1="0" y1="330" x2="0" y2="366" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#D8A066"/>
      <stop offset="1" stop-color="#A86C34"/>
    </linearGradient>"""


def sayi(x):
    metin = f"{x:.1f}"
    return metin[:-2] if metin.endswith(".0") else metin


def dondur(nokta, aci):
    """The point turned by `aci` degrees about the pivot (y grows downward)."""
    a = math.radians(aci)
    dx, dy = nokta[0] - PIVOT[0], nokta[1] - PIVOT[1]
    return (PIVOT[0] + dx * math.cos(a) - dy * math.sin(a), PIVOT[1] + dx * math.sin(a) + dy * math.cos(a))


def terazi(ad, aci, sol, sag):
    px, py = PIVOT
    uclar = [dondur((px - KOL, py), aci), dondur((px + KOL, py), aci)]
    kancalar = [(sol[0] + KANCA_X, sol[1] + KANCA_UST), (sag[0] + KANCA_X, sag[1] + KANCA_UST)]
    zincirler = "\n".join(
        f'    <path d="M{sayi(u[0])},{sayi(u[1])} L{sayi(k[0])},{sayi(k[1])}"/>' for u, k in zip(uclar, kancalar))
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"
     width="{GENISLIK}" height="{YUKSEKLIK}" viewBox="0 0 {GENISLIK} {YUKSEKLIK}">
  <title>Terazi ({ad})</title>
  <defs>
{AHSAP}
  </defs>
  <!-- base and pillar -->
  <g stroke="#8E5A2B" stroke-width="2" stroke-linejoin="round">
    <rect x="{px - 10}" y="{py}" width="20" height="{338 - py}" rx="4" fill="url(#ahsap)"/>
    <path d="M{px - 72},364 Q{px - 72},338 {px - 46},336 L{px + 46},336 Q{px + 72},338 {px + 72},364 Z" fill="url(#taban)"/>
    <rect x="{px - 24}" y="326" width="48" height="12" rx="4" fill="#C98B4E"/>
  </g>
  <!-- dial behind the pointer -->
  <path d="M{px - 30},{py - 30} A42,42 0 0,1 {px + 30},{py - 30}" fill="none" stroke="#8E5A2B" stroke-width="3" stroke-linecap="round"/>
  <path d="M{px},{py - 44} L{px},{py - 36}" stroke="#8E5A2B" stroke-width="2.5" stroke-linecap="round"/>
  <!-- chains from the beam's ends to the pans' hooks -->
  <g fill="none" stroke="#7D746E" stroke-width="3" stroke-dasharray="5,2.5" stroke-linecap="butt">
{zincirler}
  </g>
  <!-- beam, pointer and eyes turn together -->
  <g transform="rotate({sayi(aci)} {px} {py})">
    <path d="M{px},{py} L{px},{py - 40}" stroke="#93301E" stroke-width="3.5" stroke-linecap="round"/>
    <rect x="{px - KOL - 4}" y="{py - 7}" width="{2 * KOL + 8}" height="14" rx="7" fill="url(#kiris)" stroke="#8E5A2B" stroke-width="2"/>
    <g fill="#FFFFFF" stroke="#7D746E" stroke-width="2.5">
      <circle cx="{px - KOL}" cy="{py}" r="4"/>
      <circle cx="{px + KOL}" cy="{py}" r="4"/>
    </g>
  </g>
  <!-- pivot -->
  <circle cx="{px}" cy="{py}" r="11" fill="#D9503A" stroke="#93301E" stroke-width="2.5"/>
  <circle cx="{px - 3}" cy="{py - 3.5}" r="3.2" fill="#FFFFFF" fill-opacity="0.6"/>
</svg>
"""


def kefe():
    k = KANCA_X
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"
     width="250" height="215" viewBox="0 0 250 215" preserveAspectRatio="none">
  <title>Kefe</title>
  <defs>
    <linearGradient id="kefe" x1="0" y1="30" x2="0" y2="212" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#E3F1FB"/>
      <stop offset="1" stop-color="#9CC8E8"/>
    </linearGradient>
    <linearGradient id="agiz" x1="0" y1="26" x2="0" y2="42" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#6FA6D0"/>
      <stop offset="1" stop-color="#9CC8E8"/>
    </linearGradient>
  </defs>
  <!-- strings from the hook to the rim -->
  <g fill="none" stroke="#7D746E" stroke-width="2" stroke-linecap="round">
    <path d="M{k},12 L{k - 112},32"/>
    <path d="M{k},12 L{k + 112},32"/>
  </g>
  <circle cx="{k}" cy="7" r="5" fill="#FFFFFF" stroke="#7D746E" stroke-width="2.5"/>
  <!-- basket -->
  <path d="M{k - 116},34 L{k + 116},34 L{k + 109},168 Q{k + 106},211 {k + 64},211 L{k - 64},211 Q{k - 106},211 {k - 109},168 Z"
        fill="url(#kefe)" stroke="#4E83AB" stroke-width="2.5" stroke-linejoin="round"/>
  <path d="M{k - 100},56 L{k - 96},160 Q{k - 93},190 {k - 62},196" fill="none" stroke="#FFFFFF" stroke-opacity="0.7"
        stroke-width="6" stroke-linecap="round"/>
  <!-- rim -->
  <ellipse cx="{k}" cy="34" rx="117" ry="8" fill="url(#agiz)" stroke="#4E83AB" stroke-width="2.5"/>
</svg>
"""


AGIRLIKLAR = {
    "1": ("#FF0000", "#9E0000", "#FF8A8A"),
    "3": ("#00FFFF", "#00858A", "#B8FFFF"),
    "5": ("#008000", "#004A00", "#5DB35D"),
    "x": ("#FFFF00", "#9A8600", "#FFFFB0"),
}


def agirlik(ad, renk, koyu, acik):
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"
     width="30" height="36" viewBox="0 0 30 36" preserveAspectRatio="none">
  <title>Ağırlık {ad}</title>
  <!-- ring in the middle of the top third -->
  <ellipse cx="15" cy="6.4" rx="3.9" ry="4.6" fill="none" stroke="{koyu}" stroke-width="3.4"/>
  <ellipse cx="15" cy="6.4" rx="3.9" ry="4.6" fill="none" stroke="{renk}" stroke-width="1.6"/>
  <!-- block over the lower two thirds -->
  <path d="M4,12.6 L26,12.6 Q27.4,12.6 27.7,14 L29.4,33 Q29.6,35.4 27.2,35.4 L2.8,35.4 Q0.4,35.4 0.6,33 L2.3,14 Q2.6,12.6 4,12.6 Z"
        fill="{renk}" stroke="{koyu}" stroke-width="1.2" stroke-linejoin="round"/>
  <path d="M4.4,15 L3.2,31.5" fill="none" stroke="{acik}" stroke-width="1.8" stroke-linecap="round"/>
</svg>
"""


def yaz(ad, metin):
    (HEDEF / ad).write_text(metin, encoding="utf-8")


def main():
    for ad, (aci, sol, sag) in DURUMLAR.items():
        yaz(f"terazi_{ad}.svg", terazi(ad, aci, sol, sag))
    yaz("kefe.svg", kefe())
    for ad, renkler in AGIRLIKLAR.items():
        yaz(f"agirlik{ad}.svg", agirlik(ad.upper(), *renkler))


if __name__ == "__main__":
    main()
