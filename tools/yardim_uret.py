#!/usr/bin/env python3
"""Builds the help documents of the activities.

Every tools/yardim/<NAME>.txt (UTF-8) becomes resources/help/<NAME>.rtf:
plain ASCII RTF in code page 1254, read by the program's own RTF reader.

Markup of the sources, one block per line group:
  # text      the activity's title: centred, large, coloured
  ! text      a curriculum line (unit, learning outcome): bold, coloured
  ## text     a command heading: the button's caption, bold, coloured
  - text      one item of a list, shown with a bullet
  text        ordinary text; neighbouring lines join into one paragraph
  (blank)     ends the paragraph
Inside any line **text** is bold. Lines starting with ";" are notes for the
writer and are left out.

The output depends on the sources only, so running the script twice gives
the same bytes.
"""

import pathlib
import sys

KOK = pathlib.Path(__file__).resolve().parent.parent
KAYNAK = KOK / "tools" / "yardim"
HEDEF = KOK / "resources" / "help"

BELGELER = [
    "PULEKLE", "DEGISMEOZELLIGI", "CARPANAGACI", "TAVSANYAKALA", "TAVSANGIT",
    "SAYIPIRAMIDI", "SAYMANINILKELERI", "CEBIRSELIFADE", "KUMEELEMAN",
    "YUZDEHESAP", "DENKLEMCOZ", "KESIRKARSILASTIR", "ERATOSTHENES",
]

# Colour 1 text, 2 title, 3 headings, 4 curriculum lines.
RENKLER = [(0, 0, 0), (0, 70, 160), (170, 30, 30), (0, 110, 60)]

YAZI_BOYU = 20      # half-points
BASLIK_BOYU = 32
ALTBASLIK_BOYU = 22


class BicimHatasi(Exception):
    pass


def kacisli(metin, nerede):
    """The text as RTF characters: ASCII as is, the rest as \\'hh of code page 1254."""
    parcalar = []
    for harf in metin:
        if harf in "\\{}":
            parcalar.append("\\" + harf)
        elif harf == "\t":
            parcalar.append("\\tab ")
        elif " " <= harf <= "~":
            parcalar.append(harf)
        else:
            try:
                bayt = harf.encode("cp1254")
            except UnicodeEncodeError:
                raise BicimHatasi(f"{nerede}: '{harf}' (U+{ord(harf):04X}) is not in code page 1254")
            if len(bayt) != 1 or bayt[0] < 0x80:
                raise BicimHatasi(f"{nerede}: control character U+{ord(harf):04X}")
            parcalar.append("\\'%02x" % bayt[0])
    return "".join(parcalar)


def satir_ici(metin, nerede):
    """Ordinary text with **bold** spans."""
    parcalar = metin.split("**")
    if len(parcalar) % 2 == 0:
        raise BicimHatasi(f"{nerede}: unbalanced ** in: {metin}")
    sonuc = []
    for sira, parca in enumerate(parcalar):
        if not parca:
            continue
        if sira % 2:
            sonuc.append("{\\b " + kacisli(parca, nerede) + "}")
        else:
            sonuc.append(kacisli(parca, nerede))
    return "".join(sonuc)


def bloklar(satirlar, dosya):
    """Splits the source into (kind, text, line number) blocks."""
    sonuc = []
    paragraf = []

    def paragrafi_bitir():
        if paragraf:
            sonuc.append(("metin", " ".join(p for p, _ in paragraf), paragraf[0][1]))
            paragraf.clear()

    for no, ham in enumerate(satirlar, start=1):
        satir = ham.rstrip()
        if satir.startswith(";"):
            continue
        if not satir.strip():
            paragrafi_bitir()
            continue
        for onek, tur in (("## ", "altbaslik"), ("# ", "baslik"), ("! ", "mufredat"), ("- ", "madde")):
            if satir.startswith(onek):
                paragrafi_bitir()
                sonuc.append((tur, satir[len(onek):].strip(), no))
                break
        else:
            paragraf.append((satir.strip(), no))
    paragrafi_bitir()

    if not sonuc or sonuc[0][0] != "baslik":
        raise BicimHatasi(f"{dosya}: the document must start with a '# ' title")
    if sum(1 for tur, _, _ in sonuc if tur == "baslik") != 1:
        raise BicimHatasi(f"{dosya}: exactly one '# ' title is allowed")
    return sonuc


def rtf(ad, metin):
    satirlar = metin.splitlines()
    parcalar = bloklar(satirlar, ad)

    cikti = [
        "{\\rtf1\\ansi\\ansicpg1254\\deff0",
        "{\\fonttbl{\\f0\\fcharset162 Century Gothic;}}",
        "{\\colortbl;" + "".join("\\red%d\\green%d\\blue%d;" % r for r in RENKLER) + "}",
        "\\f0\\fs%d\\cf1" % YAZI_BOYU,
    ]
    onceki = None
    for tur, yazi, no in parcalar:
        nerede = f"{ad}.txt:{no}"
        govde = satir_ici(yazi, nerede)
        # An empty paragraph separates blocks, except inside a run of
        # curriculum lines or list items and between a heading and its text.
        if onceki is not None and not (
            (onceki == tur and tur in ("mufredat", "madde"))
            or (onceki == "altbaslik" and tur in ("metin", "madde"))
            or (onceki == "metin" and tur == "madde")
        ):
            cikti.append("\\par")
        if tur == "baslik":
            cikti.append("{\\qc\\b\\fs%d\\cf2 %s\\par}" % (BASLIK_BOYU, govde))
        elif tur == "mufredat":
            cikti.append("{\\ql\\b\\cf4 %s\\par}" % govde)
        elif tur == "altbaslik":
            cikti.append("{\\ql\\b\\fs%d\\cf3 %s\\par}" % (ALTBASLIK_BOYU, govde))
        elif tur == "madde":
            cikti.append("{\\ql \\'95 %s\\par}" % govde)
        else:
            cikti.append("{\\ql %s\\par}" % govde)
        onceki = tur
    cikti.append("}")
    return "\r\n".join(cikti) + "\r\n"


def main():
    kaynaklar = sorted(p.stem for p in KAYNAK.glob("*.txt"))
    eksik = [ad for ad in BELGELER if ad not in kaynaklar]
    fazla = [ad for ad in kaynaklar if ad not in BELGELER]
    if eksik or fazla:
        print("missing sources: %s; unknown sources: %s" % (eksik, fazla), file=sys.stderr)
        return 1
    HEDEF.mkdir(parents=True, exist_ok=True)
    try:
        for ad in BELGELER:
            metin = (KAYNAK / (ad + ".txt")).read_text(encoding="utf-8")
            veri = rtf(ad, metin).encode("ascii")
            (HEDEF / (ad + ".rtf")).write_bytes(veri)
    except BicimHatasi as hata:
        print(hata, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
