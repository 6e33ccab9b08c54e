#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR, checks the installed tree and
# validates the desktop entry and the metadata; then makes the Debian package,
# checks that its dependencies name the libraries and the fonts, and has
# lintian check it, manual page included: any error or warning fails.
#   kurulum_dene.sh <build folder> <application id>
set -euo pipefail
insa=$1
kimlik=$2
gecici=$(mktemp -d)
trap 'rm -rf "$gecici"' EXIT

DESTDIR="$gecici/kok" cmake --install "$insa" --prefix /usr >/dev/null
kok="$gecici/kok/usr"
eksik=0
for dosya in bin/orvanta6 share/orvanta6/Sesler.rcc share/applications/$kimlik.desktop \
    share/icons/hicolor/scalable/apps/$kimlik.svg share/metainfo/$kimlik.metainfo.xml \
    share/doc/orvanta6/copyright share/doc/orvanta6/changelog.gz share/man/man6/orvanta6.6.gz; do
    [[ -f "$kok/$dosya" ]] || { echo "kurulmamış: $dosya"; eksik=1; }
done
oynatici=$(find "$kok/lib" -name 'liborvanta6-ses.so' | head -1)
[[ -n "$oynatici" ]] || { echo "kurulmamış: liborvanta6-ses.so"; eksik=1; }
[[ -x "$kok/bin/orvanta6" ]] || { echo "çalıştırılamaz: bin/orvanta6"; eksik=1; }
[[ $eksik -eq 0 ]]

desktop-file-validate "$kok/share/applications/$kimlik.desktop"
grep -q "^Icon=$kimlik$" "$kok/share/applications/$kimlik.desktop"
grep -q "^Categories=Education;Math;$" "$kok/share/applications/$kimlik.desktop"
appstreamcli validate --no-net "$kok/share/metainfo/$kimlik.metainfo.xml" >/dev/null

if command -v cpack >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
    (cd "$insa" && cpack -G DEB -B "$gecici/paket" >/dev/null)
    paket=$(ls "$gecici"/paket/orvanta6_*_amd64.deb)
    bagimliliklar=$(dpkg-deb -f "$paket" Depends)
    echo "Depends: $bagimliliklar"
    for gerekli in libqt6widgets6 libqt6svg6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation2 fonts-urw-base35 fonts-dejavu-core; do
        grep -q "$gerekli" <<<"$bagimliliklar" || { echo "bağımlılık yok: $gerekli"; exit 1; }
    done
    [[ $(dpkg-deb -f "$paket" Section) == education ]]
    dpkg-deb -c "$paket" | grep -q "usr/share/orvanta6/Sesler.rcc"
    command -v lintian >/dev/null || { echo "lintian kurulu değil (tools/paketler.sh, TEST_PAKETLERI)"; exit 1; }
    lintian --version
    # Errors and warnings fail; the informational notes are shown as well.
    lintian --fail-on error,warning --display-info --tag-display-limit 0 "$paket"
fi
echo "kurulum tamam"
