#!/usr/bin/env bash
# Tests the Windows build under Wine. Builds what is missing first (the
# cross-built Qt once, GoogleTest from Debian's sources, the test suite),
# then:
#   1. every unit and widget test that does not need POSIX, under CTest on
#      an X server of their own (pseudo-terminals, ordinary-user rights,
#      flock, file size limits, bash completion, the Debian package and the
#      style checks are Linux-only and are left to scripts/test.sh);
#   2. tarvek-cli.exe against the Linux tarvek-cli on the reference vectors
#      (encode, position, save), byte for byte;
#   3. tarvek-cli.exe send on COM1 and COM12 mapped to pseudo-terminals, and
#      on a missing port;
#   4. the program folder as shipped (installed from the test build into
#      build/windows/tests-dist): the caption and colour tests beside it and
#      tarvek-config.exe in normal and GPSless Mode, at 96, 120 and 144 dpi,
#      captured to build/windows/tests/window/;
#   5. tarvek-config.exe from that folder, by the keyboard, sending to COM12
#      typed into "Comm num:" and chosen in the port chooser.
# Run as root or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/windows/install-deps.sh test
bash scripts/windows/build-qt.sh
source scripts/windows/qt.sh
jobs=$(nproc)
out=$root/build/windows
wine_run=$root/scripts/windows/wine-run.sh
export WINEPREFIX=$out/wine

# GoogleTest, cross-built from Debian's own sources, static.
gtest=$out/googletest
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$out/googletest-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/MingwW64Toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$gtest" \
    -DBUILD_SHARED_LIBS=OFF -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$out/googletest-build" -j"$jobs" >/dev/null
  cmake --install "$out/googletest-build" >/dev/null
fi

tests=$out/tests
bash scripts/windows/configure.sh "$tests" -DTARVEK_BUILD_TESTS=ON -DGTest_DIR="$gtest/lib/cmake/GTest"
cmake --build "$tests" -j"$jobs"

# The prefix is made once here, not by two tests starting at the same time,
# and set to 96 pixels per inch, which a window check that was stopped may
# have left otherwise. Its Wine server must end before the tests start (as
# wine-dpi.sh ends it): a server started without a display keeps its desktop
# there, and no window of a later program would ever be shown.
bash scripts/windows/wine-dpi.sh 96

# Qt's offscreen platform on Windows measures text with whatever font files
# sit beside Qt, not with the system's fonts, so caption checks mean nothing
# there. The tests run on Qt's own Windows platform instead, which draws with
# Wine's fonts, on an X server of their own.
echo "== Unit and widget tests under Wine"
# A test program that Wine fails to start, or that starts while Wine first
# sets up the display of a fresh prefix, is run once more.
xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir "$tests" --output-on-failure -j"$jobs" --repeat until-pass:2
wineserver --wait

# The Linux tarvek-cli to compare with.
host=$out/host-cli
cmake -S . -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVEK_BUILD_TESTS=OFF \
  -DTARVEK_BUILD_GUI=OFF >/dev/null
cmake --build "$host" -j"$jobs" --target tarvek-cli >/dev/null

echo "== tarvek-cli.exe against tarvek-cli on the reference vectors"
python3 scripts/windows/compare-cli.py "$host/bin/tarvek-cli" "$wine_run" "$tests/bin/tarvek-cli.exe" \
  tests/data

echo "== tarvek-cli.exe send on COM1 and COM12 (pseudo-terminals)"
python3 scripts/windows/send-check.py "$host/bin/tarvek-cli" "$wine_run" "$tests/bin/tarvek-cli.exe"

echo "== The shipped folder under Xvfb"
rm -rf "$out/tests-dist"
cmake --install "$tests" --prefix "$out/tests-dist" --strip >/dev/null
bash scripts/windows/window-check.sh "$out/tests-dist" "$tests" "$tests/window"

echo "== tarvek-config.exe sends to COM12, typed into Comm num: and chosen in the port chooser"
python3 scripts/windows/window-send-check.py "$host/bin/tarvek-cli" "$wine_run" "$out/tests-dist" \
  "$tests/window"
