#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine for Vantorel, builds it, and then either starts the game
# ("play") or runs every test, once plainly and once under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Qt-free ones again built for Windows, under Wine ("test").
set -euo pipefail

mode="${1:-play}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libsdl2-mixer-dev libasound2-dev
          libgtest-dev libgmock-dev libbenchmark-dev clang-format clang-14 libclang-rt-14-dev
          g++-mingw-w64-x86-64-posix wine64 googletest xvfb openbox x11-utils xdotool
          fonts-dejavu-core optipng)

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

# A virtual X display with a window manager, for the tests that measure the frames a window
# manager draws. It is stopped when the script ends, however it ends.
desktop_pids=()
stop_desktop() {
    [ ${#desktop_pids[@]} -eq 0 ] || kill "${desktop_pids[@]}" 2>/dev/null || true
}
start_desktop() {
    local number=90
    while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
    export DISPLAY=":$number"
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    desktop_pids+=($!)
    trap stop_desktop EXIT
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox --sm-disable >/dev/null 2>&1 &
    desktop_pids+=($!)
    # A window manager's first start on a new machine can take a while; the program's test needs it.
    for _ in $(seq 300); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
        sleep 0.1
    done
}

install_missing
case "$mode" in
    play)
        build build-release vantorel -DCMAKE_BUILD_TYPE=Release -DVANTOREL_WERROR=OFF
        # Without a display Qt stops with advice to reinstall, which would mislead: say what is wrong,
        # also where DISPLAY names a display that cannot be reached.
        if [ -z "${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ] && ! xdpyinfo >/dev/null 2>&1; then
            echo "Vantorel is built ($root/build-release/bin/vantorel), but this session has no display" \
                 "to open its window on. Start it from a desktop session." >&2
            exit 1
        fi
        exec "$root/build-release/bin/vantorel"
        ;;
    test)
        # The house format is part of the build: a file that drifts from it fails here.
        (cd "$root" && find about app bench engine fuzz platform resources table tests tools windows \
            \( -name '*.cpp' -o -name '*.h' \) -print0 2>/dev/null | xargs -0 clang-format --dry-run --Werror)
        build build all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOREL_WERROR=ON
        start_desktop
        (cd "$root/build" && ctest --output-on-failure -j "$jobs")
        # The Qt-free part again, built for Windows, with its tests run under Wine.
        build build-win all -DVANTOREL_WERROR=ON --toolchain "$root/tools/mingw-w64.cmake"
        (cd "$root/build-win" && "$root/tools/wine-run" ctest --output-on-failure -j "$jobs")
        build build-asan all -DVANTOREL_WERROR=ON -DVANTOREL_SANITIZE=ON -DVANTOREL_BENCH=OFF
        (cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
            ctest --output-on-failure -j "$jobs")
        # A short fuzzing run of the stake box on top of its seed texts; the long runs are done by hand.
        CC=clang-14 CXX=clang++-14 build build-fuzz stake_text_fuzzer -DVANTOREL_FUZZ=ON -DVANTOREL_BENCH=OFF \
            -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
        fuzz_corpus="$(mktemp -d)"
        "$root/build-fuzz/bin/stake_text_fuzzer" -runs=200000 -print_final_stats=1 "$fuzz_corpus" "$root/fuzz/corpus"
        rm -rf "$fuzz_corpus"
        # And the options file's reader on top of its seed files.
        cmake --build "$root/build-fuzz" -j "$jobs" --target options_file_fuzzer
        fuzz_corpus="$(mktemp -d)"
        "$root/build-fuzz/bin/options_file_fuzzer" -runs=100000 -print_final_stats=1 "$fuzz_corpus" \
            "$root/fuzz/options_corpus"
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
