#!/bin/sh
# Runs okuma.py on a virtual display with a private desktop bus, on which the
# accessibility bus starts as a screen reader's desktop starts it. Skips (77)
# only where no display server can be started.
program=$1
klasor=$(dirname "$0")
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v Xvfb >/dev/null 2>&1; then
    echo "atlandı: sanal ekran sunucusu (xvfb-run, Xvfb) yok"
    exit 77
fi
# Other programs of the machine may start virtual displays at the same time:
# the search for a free display number starts at one of this run's own.
numara=$((100 + $$ % 3000))
if ! xvfb-run -a -n "$numara" -s "-screen 0 1366x768x24" true >/dev/null 2>&1; then
    echo "atlandı: sanal ekran sunucusu başlatılamadı"
    exit 77
fi
for gerekli in dbus-run-session xdotool /usr/libexec/at-spi-bus-launcher; do
    command -v "$gerekli" >/dev/null 2>&1 || { echo "eksik: $gerekli (paketler.sh, TEST_PAKETLERI)"; exit 1; }
done
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "eksik: python3-pyatspi (paketler.sh, TEST_PAKETLERI)"; exit 1; }
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# A display number taken by another run between the search and the start is
# tried again with the next ones; any other failure is the program's.
cikti=$(mktemp)
trap 'rm -f "$cikti"' EXIT
for deneme in 1 2 3; do
    timeout -k 5 170 xvfb-run -a -n "$((numara + 10 * deneme))" -s "-screen 0 1366x768x24" \
        dbus-run-session -- /usr/bin/python3 "$klasor/okuma.py" "$program" >"$cikti" 2>&1
    durum=$?
    if [ $durum -ne 0 ] && grep -q "could not connect to display\|Xvfb failed to start\|server already running" "$cikti"; then
        echo "ekran $((numara + 10 * deneme)) başka bir çalışmaya gitti, yeniden deneniyor"
        continue
    fi
    cat "$cikti"
    exit $durum
done
cat "$cikti"
exit 1
