# Debian packages the program needs, and a function that installs the missing ones.
CALISMA_PAKETLERI=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-qpa-plugins qt6-translations-l10n
    libqt6svg6 fonts-liberation2 fonts-urw-base35 fonts-dejavu-core)
TEST_PAKETLERI=(clang-14 libclang-rt-14-dev locales xvfb xauth desktop-file-utils appstream dpkg-dev file lintian
    dbus-daemon at-spi2-core python3-pyatspi xdotool)

paketleri_kur() {
    local eksik=()
    local paket
    for paket in "$@"; do
        dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed" || eksik+=("$paket")
    done
    [[ ${#eksik[@]} -eq 0 ]] && return 0
    echo "Kuruluyor / installing: ${eksik[*]}"
    local sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${eksik[@]}"
}
