#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine for Vantorel, builds it, and then either starts the game
# ("play") or runs every test, once plainly and once under AddressSanitizer and
# UndefinedBehaviorSanitizer ("test").
set -euo pipefail

mode="${1:-play}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libsdl2-mixer-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang-format clang-14 libclang-rt-14-dev)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {  # build <folder> <target> [cmake options...]
    local folder="$1" target="$2"
    shift 2
    cmake -S "$root" -B "$root/$folder" -G Ninja "$@"
    cmake --build "$root/$folder" -j "$jobs" --target "$target"
}

install_missing
case "$mode" in
    play)
        build build-release vantorel -DCMAKE_BUILD_TYPE=Release -DVANTOREL_WERROR=OFF
        exec "$root/build-release/bin/vantorel"
        ;;
    test)
        # The house format is part of the build: a file that drifts from it fails here.
        (cd "$root" && find app bench engine fuzz platform resources table tests tools windows \
            \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | xargs -0 clang-format --dry-run --Werror)
        build build all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOREL_WERROR=ON
        (cd "$root/build" && ctest --output-on-failure -j "$jobs")
        build build-asan all -DVANTOREL_WERROR=ON -DVANTOREL_SANITIZE=ON -DVANTOREL_BENCH=OFF
        (cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --output-on-failure -j "$jobs")
        # A short fuzzing run of the stake box on top of its seed texts; the long runs are done by hand.
        CC=clang-14 CXX=clang++-14 build build-fuzz stake_text_fuzzer -DVANTOREL_FUZZ=ON -DVANTOREL_BENCH=OFF \
            -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
        fuzz_corpus="$(mktemp -d)"
        "$root/build-fuzz/bin/stake_text_fuzzer" -runs=200000 -print_final_stats=1 "$fuzz_corpus" "$root/fuzz/corpus"
        rm -rf "$fuzz_corpus"
        # Rounds of a whole table driven by chance and choices from the fuzzer.
        cmake --build "$root/build-fuzz" -j "$jobs" --target round_fuzzer
        "$root/build-fuzz/bin/round_fuzzer" -runs=20000 -print_final_stats=1
        ;;
    *)
        echo "usage: $0 [play|test]" >&2
        exit 2
        ;;
esac
