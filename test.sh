#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test on the offscreen platform twice,
# under the Turkish locale and under C.UTF-8, runs the fuzz targets for a
# bounded time and writes the screen tour into build/ekranlar/.
#
# The monkey (tests/maymun) plays every activity with one seed in both
# locales; ORVANTA_MAYMUN_TOHUM fixes the seed and ORVANTA_MAYMUN_OLAY the
# number of events per activity.
set -euo pipefail
cd "$(dirname "$0")"
source tools/paketler.sh
paketleri_kur "${CALISMA_PAKETLERI[@]}" "${TEST_PAKETLERI[@]}"

# The Turkish locale, so that the tests see what a pupil's machine does.
if ! locale -a 2>/dev/null | grep -qi '^tr_TR\.utf-\?8$'; then
    sudo=()
    [[ $(id -u) -ne 0 ]] && sudo=(sudo)
    if [[ -f /etc/locale.gen ]]; then
        "${sudo[@]}" sed -i 's/^# *\(tr_TR.UTF-8 UTF-8\)/\1/' /etc/locale.gen || true
        grep -q '^tr_TR.UTF-8 UTF-8' /etc/locale.gen || echo 'tr_TR.UTF-8 UTF-8' | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null || true
        "${sudo[@]}" locale-gen >/dev/null || true
    fi
fi
# The program must behave the same under both: every test runs in each.
if locale -a 2>/dev/null | grep -qi '^tr_TR\.utf-\?8$'; then
    yereller=(tr_TR.UTF-8 C.UTF-8)
else
    echo "uyarı: tr_TR.UTF-8 yerel ayarı yok, yalnız C.UTF-8 ile sınanıyor" >&2
    yereller=(C.UTF-8)
fi
export LC_ALL=${yereller[0]}

derleyici=()
fuzz=OFF
if command -v clang++-14 >/dev/null; then
    derleyici=(-DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14)
    fuzz=ON
fi
cmake -S . -B build -G Ninja "${derleyici[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" -DORVANTA_SANITIZE=ON -DORVANTA_FUZZ=$fuzz >/dev/null
cmake --build build

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
rm -rf build/ekranlar
# A fixed seed keeps a run of the suite repeatable; other seeds, and long
# runs, are how new faults are looked for (see the README).
export ORVANTA_MAYMUN_TOHUM=${ORVANTA_MAYMUN_TOHUM:-20261206}
echo "maymun tohumu: $ORVANTA_MAYMUN_TOHUM"
basarisiz=()
for yerel in "${yereller[@]}"; do
    echo "ctest, LC_ALL=$yerel"
    (cd build && LC_ALL=$yerel ctest --output-on-failure --timeout 600) || basarisiz+=("$yerel")
done
if [[ ${#basarisiz[@]} -gt 0 ]]; then
    echo "başarısız: ${basarisiz[*]} (maymun tohumu $ORVANTA_MAYMUN_TOHUM)" >&2
    exit 1
fi

if [[ $fuzz == ON ]]; then
    saniye=${ORVANTA_FUZZ_SANIYE:-45}
    for hedef in build/fuzz_*; do
        [[ -x $hedef ]] || continue
        ad=${hedef#build/fuzz_}
        korpus=$(mktemp -d)
        [[ -d fuzz/tohum/$ad ]] && cp -r fuzz/tohum/$ad/. "$korpus/"
        echo "fuzz $ad: $saniye s"
        "$hedef" -max_total_time="$saniye" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 "$korpus" \
            2>build/fuzz_$ad.log || { tail -50 build/fuzz_$ad.log; exit 1; }
        grep -E 'stat::number_of_executed_units|Done' build/fuzz_$ad.log | tail -2
        rm -rf "$korpus"
    done
fi
echo "ekran görüntüleri: build/ekranlar/"
