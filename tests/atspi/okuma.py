#!/usr/bin/python3
"""Reads the program through the desktop's accessibility bus, as a screen
reader does.

Started by calistir.sh on a virtual display with a private desktop bus. It
starts the program, finds it on the bus, reads the menu (the rows focusable
buttons, the highlighted one focused), opens every activity from the menu by
keys, reads each window's tree and prints per activity the elements, the
unnamed leaves, the unnamed controls and the focusable elements, closes the
window and goes on. It fails on an element without a name.
"""
import os
import signal
import subprocess
import sys
import time

import pyatspi

MENU_BASLIGI = "6. Sınıf Orvanta"
BEKLEME = 30.0  # seconds for any one thing to happen

ETKILESIMLI_ROLLER = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SLIDER, pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LINK, pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_RADIO_MENU_ITEM,
}

hatalar = []


def hata(ileti):
    print("HATA: " + ileti, flush=True)
    hatalar.append(ileti)


surec = None


def bekle(kosul, aciklama, sure=BEKLEME):
    son = time.monotonic() + sure
    while time.monotonic() < son:
        if surec is not None and surec.poll() is not None:
            raise TimeoutError(aciklama + f": program {surec.returncode} koduyla bitti")
        try:
            sonuc = kosul()
        except Exception:  # an element that went away while it was read
            sonuc = None
        if sonuc:
            return sonuc
        time.sleep(0.1)
    raise TimeoutError(aciklama + f": {sure:.0f} s içinde olmadı")


def durum(oge, d):
    return oge.getState().contains(d)


def cocuklar(oge):
    return [oge.getChildAtIndex(i) for i in range(oge.childCount)]


def programi_bul(pid):
    masa = pyatspi.Registry.getDesktop(0)
    for uyg in cocuklar(masa):
        if uyg is not None and uyg.get_process_id() == pid:
            return uyg
    return None


def pencereler(uyg):
    return [p for p in cocuklar(uyg) if p is not None and durum(p, pyatspi.STATE_VISIBLE)]


def ara(kok, kosul):
    """The first visible element under `kok` (itself included) that satisfies `kosul`."""
    yigin = [kok]
    while yigin:
        o = yigin.pop()
        if o is None:
            continue
        if kosul(o):
            return o
        yigin.extend(c for c in reversed(cocuklar(o)) if c is not None and durum(c, pyatspi.STATE_VISIBLE))
    return None


def kutu_metni(oge):
    try:
        k = oge.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return f"({k.x},{k.y} {k.width}x{k.height})"
    except Exception:
        return ""


def say(pencere):
    """Elements, unnamed leaves, unnamed controls, focusable elements, and the offenders."""
    oge = yaprak = etkilesimli = odak = 0
    suclular = []

    def gez(o, yol):
        nonlocal oge, yaprak, etkilesimli, odak
        for i, c in enumerate(cocuklar(o)):
            if c is None:
                continue
            st = c.getState()
            if not st.contains(pyatspi.STATE_VISIBLE):
                continue
            # Of no size, or with no place at all (a table's corner with its
            # headers hidden): not shown.
            try:
                kutu = c.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            except Exception:
                continue
            if kutu.width <= 0 or kutu.height <= 0:
                continue
            oge += 1
            cocuk_sayisi = c.childCount
            odaklanir = st.contains(pyatspi.STATE_FOCUSABLE)
            odak += odaklanir
            adsiz = not (c.name or "").strip()
            if adsiz:
                if odaklanir or c.getRole() in ETKILESIMLI_ROLLER:
                    etkilesimli += 1
                    suclular.append(f"adsız denetim {yol}/{i} {c.getRoleName()} {kutu_metni(c)}")
                elif cocuk_sayisi == 0:
                    yaprak += 1
                    suclular.append(f"adsız yaprak {yol}/{i} {c.getRoleName()} {kutu_metni(c)}")
            if cocuk_sayisi:
                gez(c, f"{yol}/{i}")

    gez(pencere, "")
    return oge, yaprak, etkilesimli, odak, suclular


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=20)


def tus(ad):
    xdotool("key", "--clearmodifiers", ad)


def menuye_odak(pid):
    kimlikler = xdotool("search", "--pid", str(pid), "--name", "^" + MENU_BASLIGI.replace(".", "\\.") + "$")
    for k in kimlikler.stdout.split():
        xdotool("windowfocus", "--sync", k)
        return
    raise RuntimeError("menünün penceresi bulunamadı")


def main():
    global surec
    program = sys.argv[1]
    ortam = dict(os.environ)
    ortam["QT_QPA_PLATFORM"] = "xcb"
    ortam["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    ortam["QT_ACCESSIBILITY"] = "1"
    # The X keyboard library hands strndup a string that is not closed by a
    # zero, within its length: a sanitizer that wants every string closed
    # would stop the program before its first window.
    asan = [s for s in ortam.get("ASAN_OPTIONS", "").split(":") if s and not s.startswith("strict_string_checks")]
    ortam["ASAN_OPTIONS"] = ":".join(asan + ["strict_string_checks=0"])
    # The pointer stays out of the board: the menu follows it.
    xdotool("mousemove", "0", "0")
    surec = subprocess.Popen([program], env=ortam)
    try:
        uyg = bekle(lambda: programi_bul(surec.pid), "program erişilebilirlik veriyolunda görünmedi", 60)
        menu = bekle(lambda: next((p for p in pencereler(uyg) if p.name == MENU_BASLIGI), None),
                     "menü görünmedi", 60)
        # The about window opens by itself at the start; Enter closes it.
        hakkinda = bekle(lambda: next((p for p in pencereler(uyg) if p.name != MENU_BASLIGI), None),
                         "açılışta hakkında penceresi açılmadı")
        bekle(lambda: durum(hakkinda, pyatspi.STATE_ACTIVE), "hakkında penceresi etkin olmadı")
        tus("Return")
        bekle(lambda: len(pencereler(uyg)) == 1, "hakkında penceresi Enter ile kapanmadı")

        satirlar = [c for c in cocuklar(menu) if c is not None and c.getRole() == pyatspi.ROLE_PUSH_BUTTON]
        odaklanir = sum(durum(s, pyatspi.STATE_FOCUSABLE) for s in satirlar)
        oge, yaprak, etkilesimli, odak, suclular = say(menu)
        print(f"menü: {oge} öge, {yaprak} adsız yaprak, {etkilesimli} adsız denetim, {odak} odaklanabilir; "
              f"{len(satirlar)} satır, {odaklanir} satır odaklanabilir", flush=True)
        if len(satirlar) != 15 or odaklanir != 15:
            hata(f"menünün 15 satırı odaklanabilir düğme değil ({len(satirlar)} düğme, {odaklanir} odaklanabilir)")
        for s in suclular:
            hata("menü: " + s)

        toplam = [0, 0, 0, 0]
        for i, satir in enumerate(satirlar[:13]):
            etiket = satir.name
            menuye_odak(surec.pid)
            tus("Down")
            bekle(lambda: durum(satir, pyatspi.STATE_FOCUSED), f"{etiket}: vurgulanan satır odakta değil", 10)
            tus("Return")
            etkinlik = bekle(lambda: next((p for p in pencereler(uyg) if p.name != MENU_BASLIGI
                                           and ara(p, lambda o: o.name == "Ana Menüye Dön")), None),
                             f"{etiket}: pencere açılmadı")
            # The help window opens over it; Escape closes it.
            yardim = bekle(lambda: next((p for p in pencereler(uyg)
                                         if ara(p, lambda o: o.name == "Yardım metni")), None),
                           f"{etiket}: yardım penceresi açılmadı")
            bekle(lambda: durum(yardim, pyatspi.STATE_ACTIVE), f"{etiket}: yardım penceresi etkin olmadı")
            tus("Escape")
            bekle(lambda: not any(ara(p, lambda o: o.name == "Yardım metni") for p in pencereler(uyg)),
                  f"{etiket}: yardım penceresi Escape ile kapanmadı")
            oge, yaprak, etkilesimli, odak, suclular = say(etkinlik)
            for j, n in enumerate((oge, yaprak, etkilesimli, odak)):
                toplam[j] += n
            print(f"{etiket}: {oge} öge, {yaprak} adsız yaprak, {etkilesimli} adsız denetim, {odak} odaklanabilir",
                  flush=True)
            for s in suclular:
                hata(f"{etiket}: {s}")
            kapat = ara(etkinlik, lambda o: o.name == "Ana Menüye Dön" and o.getRole() == pyatspi.ROLE_PUSH_BUTTON)
            kapat.queryAction().doAction(0)
            bekle(lambda: [p.name for p in pencereler(uyg)] == [MENU_BASLIGI], f"{etiket}: pencere kapanmadı")
        print(f"toplam: {toplam[0]} öge, {toplam[1]} adsız yaprak, {toplam[2]} adsız denetim, "
              f"{toplam[3]} odaklanabilir", flush=True)
    except TimeoutError as e:
        hata(str(e))
    finally:
        if surec.poll() is None:
            surec.send_signal(signal.SIGTERM)
            try:
                surec.wait(10)
            except subprocess.TimeoutExpired:
                surec.kill()
    if surec.returncode not in (0, -signal.SIGTERM):
        hata(f"program {surec.returncode} koduyla bitti")
    return 1 if hatalar else 0


if __name__ == "__main__":
    sys.exit(main())
