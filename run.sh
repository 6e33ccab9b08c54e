#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/paketler.sh
paketleri_kur "${CALISMA_PAKETLERI[@]}"

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_TESTS=OFF >/dev/null
cmake --build build-release --target orvanta6 Sesler

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "Ekran bulunamadı: program bir pencere açmak ister." >&2
    echo "No display found. To run the program on a virtual display, use:" >&2
    echo "    sudo apt-get install xvfb   # once" >&2
    echo "    xvfb-run -s '-screen 0 1366x768x24' ./build-release/orvanta6" >&2
    exit 2
fi
exec ./build-release/orvanta6 "$@"
