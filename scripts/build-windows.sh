#!/usr/bin/env bash
# Builds Tarvek Config for 64-bit Windows on Debian, from Debian's packages
# alone: installs the cross toolchain, cross-builds Debian's own Qt sources
# once into a cache (about 80 CPU-minutes, so 40 minutes on 2 quiet cores;
# later builds reuse it), builds both programs with the project's CMake, and
# leaves in build/windows/
#
#   dist/                                  the program folder, ready to run
#   tarvek-config-<version>-win64.zip      the same folder zipped
#   tarvek-config-<version>-win64-setup.exe  an installer (NSIS)
#   SHA256SUMS                             the SHA-256 of the zip and the installer
#
# Run as root or through sudo, from anywhere in a clone.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/windows/install-deps.sh
bash scripts/windows/build-qt.sh
source scripts/windows/qt.sh

out=build/windows
bash scripts/windows/configure.sh "$out/build" -DTARVEK_BUILD_TESTS=OFF
cmake --build "$out/build" -j"$(nproc)"

rm -rf "$out/dist"
cmake --install "$out/build" --prefix "$out/dist" --strip >/dev/null
(cd "$out/build" && cpack -C Release >cpack.log 2>&1) || { tail -20 "$out/build/cpack.log"; exit 1; }
rm -f "$out"/tarvek-config-*-win64.zip "$out"/tarvek-config-*-win64-setup.exe
mv -f "$out/build"/tarvek-config-*-win64.zip "$out/build"/tarvek-config-*-win64-setup.exe "$out/"
# Checked on the user's side with `sha256sum -c SHA256SUMS` (or PowerShell's
# Get-FileHash) in the folder that holds the downloads.
(cd "$out" && sha256sum tarvek-config-*-win64.zip tarvek-config-*-win64-setup.exe >SHA256SUMS)
echo "Windows build in $out:"
du -sh "$out/dist" | sed 's/^/  /'
ls -l "$out"/tarvek-config-*-win64* | awk '{ printf "  %s  %.1f MB\n", $NF, $5 / 1048576 }'
echo "  $out/SHA256SUMS"
