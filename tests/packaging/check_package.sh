#!/usr/bin/env bash
# Builds the Debian package from an existing build tree and checks it: the
# control fields, the file list, the desktop entry, the AppStream metadata, the
# manual pages, the icons, tarvek-cli run from the unpacked package, and,
# where lintian is installed, Debian's own checks.
#
# usage: check_package.sh CPACK_CONFIG SCRATCH_DIR VERSION
# Exit 0 when every check passes, 1 when one fails, 77 when a tool is missing.
set -uo pipefail

cpack_config=$1
scratch=$2
version=$3

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli man file gzip; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (bash scripts/install-deps.sh test installs it)"
    exit 77
  fi
done

rm -rf "$scratch"
mkdir -p "$scratch"

# --- Build the package ------------------------------------------------------
if ! cpack --config "$cpack_config" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  echo "FAIL: cpack could not build the package" >&2
  exit 1
fi
debs=("$scratch"/tarvek-config_"$version"_*.deb)
if [[ ${#debs[@]} -ne 1 || ! -f ${debs[0]} ]]; then
  ls -l "$scratch" >&2
  echo "FAIL: expected one tarvek-config_${version}_<arch>.deb" >&2
  exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb") ($(stat -c %s "$deb") bytes)"

# --- Control fields ---------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == tarvek-config ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', expected $version"
[[ $(field Section) == hamradio ]] || fail "Section is '$(field Section)'"
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
depends=$(field Depends)
echo "Depends: $depends"
# Computed by dpkg-shlibdeps from the binaries, plus the Qt platform plugins.
# Debian 13 renamed some libraries for the 64-bit time_t move (libqt6core6t64).
for dep in libc6 libqt6core6 libqt6serialport6 libqt6widgets6 qt6-qpa-plugins; do
  grep -Eq "(^|, )$dep(t64)?( |,|$)" <<<"$depends" || fail "Depends lacks $dep"
done

# --- File list --------------------------------------------------------------
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -e 's|^\./||' | grep -v '/$' | sort >"$scratch/files.txt"
required=(
  usr/bin/tarvek-config
  usr/bin/tarvek-cli
  usr/share/tarvek-config/Tarvek_Config.rtf
  usr/share/applications/tarvek-config.desktop
  usr/share/man/man1/tarvek-config.1.gz
  usr/share/man/man1/tarvek-cli.1.gz
  usr/share/bash-completion/completions/tarvek-cli
  usr/share/icons/hicolor/scalable/apps/tarvek-config.svg
  usr/share/doc/tarvek-config/copyright
  usr/share/doc/tarvek-config/changelog.gz
)
for size in 16 32 48 64 128 256; do
  required+=("usr/share/icons/hicolor/${size}x${size}/apps/tarvek-config.png")
done
for f in "${required[@]}"; do
  grep -qxF "$f" "$scratch/files.txt" || fail "package lacks $f"
done
metainfo=$(grep -E '^usr/share/metainfo/[^/]+\.metainfo\.xml$' "$scratch/files.txt")
[[ $(grep -c . <<<"$metainfo") -eq 1 ]] || fail "expected one metainfo file, found: ${metainfo:-none}"
# Nothing else: no headers, libraries or test programs (the manual's folder
# and the package's doc folder may hold more).
unexpected=$(grep -vxF -f <(printf '%s\n' "${required[@]}" "$metainfo") "$scratch/files.txt" |
  grep -Ev '^usr/share/(tarvek-config|doc/tarvek-config)/')
[[ -z $unexpected ]] || fail "unexpected files in the package:"$'\n'"$unexpected"

# --- Unpack -----------------------------------------------------------------
root=$scratch/root
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb -x failed" >&2; exit 1; }

# tarvek-cli runs from the package and reports the version.
for prog in tarvek-config tarvek-cli; do
  file -b "$root/usr/bin/$prog" | grep -q '^ELF .*executable' || fail "$prog is not an ELF executable"
done
cli_version=$("$root/usr/bin/tarvek-cli" --version)
status=$?
[[ $status -eq 0 ]] || fail "tarvek-cli --version exited $status"
[[ $cli_version == "tarvek-cli $version" ]] || fail "tarvek-cli --version printed '$cli_version'"
echo "tarvek-cli --version: $cli_version"

# --- Desktop entry ----------------------------------------------------------
desktop=$root/usr/share/applications/tarvek-config.desktop
if [[ -f $desktop ]]; then
  out=$(desktop-file-validate "$desktop" 2>&1)
  status=$?
  [[ -n $out ]] && echo "desktop-file-validate: $out"
  [[ $status -eq 0 ]] || fail "desktop-file-validate exited $status"
  grep -Eq '(^|: )(error|warning):' <<<"$out" && fail "desktop-file-validate reported problems"
  key() { sed -n "s/^$1=//p" "$desktop"; }
  [[ $(key Path) == /usr/share/tarvek-config ]] || fail "Path is '$(key Path)', not the manual's folder"
  [[ -f $root$(key Path)/Tarvek_Config.rtf ]] || fail "no Tarvek_Config.rtf in the Path folder"
  [[ $(key Exec) == tarvek-config ]] || fail "Exec is '$(key Exec)'"
  [[ $(key Icon) == tarvek-config ]] || fail "Icon is '$(key Icon)'"
  grep -qx 'Categories=HamRadio;Utility;' "$desktop" || fail "Categories are '$(key Categories)'"
fi

# --- AppStream metadata -----------------------------------------------------
accepted=()
if [[ -n $metainfo ]]; then
  # The project has no home page to name, and appstreamcli 1.0 (Debian 13)
  # reports its absence; that one finding is accepted. Older versions neither
  # report the tag nor know it.
  accepted=(--override=url-homepage-missing=info)
  probe=$(appstreamcli validate --no-net "${accepted[@]}" "$root/$metainfo" 2>&1)
  grep -q 'is not recognized' <<<"$probe" && accepted=()
  out=$(appstreamcli validate --no-net "${accepted[@]}" "$root/$metainfo" 2>&1)
  status=$?
  echo "appstreamcli validate: $(tail -n 1 <<<"$out")"
  [[ $status -eq 0 ]] || fail "appstreamcli validate exited $status:"$'\n'"$out"
  grep -Eq '^[EW]: ' <<<"$out" && fail "appstreamcli reported errors or warnings:"$'\n'"$out"
  id=$(sed -n 's|.*<id>\(.*\)</id>.*|\1|p' "$root/$metainfo")
  [[ $(basename "$metainfo") == "$id.metainfo.xml" ]] || fail "metainfo file name does not match its id '$id'"
  grep -q '<launchable type="desktop-id">tarvek-config.desktop</launchable>' "$root/$metainfo" ||
    fail "metainfo does not launch tarvek-config.desktop"
  grep -q "<release version=\"$version\"" "$root/$metainfo" || fail "metainfo lacks release $version"
fi

# --- Manual pages -----------------------------------------------------------
for page in tarvek-config tarvek-cli; do
  gz=$root/usr/share/man/man1/$page.1.gz
  [[ -f $gz ]] || continue
  text=$(MANWIDTH=80 man --warnings -l "$gz" 2>"$scratch/$page.warnings")
  status=$?
  [[ $status -eq 0 ]] || fail "man -l $page.1.gz exited $status"
  [[ -s $scratch/$page.warnings ]] && fail "man --warnings on $page.1:"$'\n'"$(cat "$scratch/$page.warnings")"
  grep -q "Tarvek Config $version" <<<"$text" || fail "$page.1 does not carry version $version"
  echo "man $page: $(grep -c . <<<"$text") lines, no warnings"
done
# Every verb that tarvek-cli --help lists is documented in its manual page.
if [[ -f $root/usr/share/man/man1/tarvek-cli.1.gz ]]; then
  cli_page=$(MANWIDTH=200 man -l "$root/usr/share/man/man1/tarvek-cli.1.gz" 2>/dev/null)
  verbs=$("$root/usr/bin/tarvek-cli" --help | sed -n 's/^  \([a-z][a-z]*\) .*/\1/p; s/^  \([a-z][a-z]*\)$/\1/p')
  [[ -n $verbs ]] || fail "tarvek-cli --help lists no verbs"
  for verb in $verbs; do
    grep -Eq "^ +tarvek-cli $verb( |$)" <<<"$cli_page" || fail "tarvek-cli.1 does not document '$verb'"
  done
fi

# --- Icons ------------------------------------------------------------------
for size in 16 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/tarvek-config.png
  [[ -f $png ]] || continue
  file -b "$png" | grep -q "^PNG image data, $size x $size," || fail "$png is not a ${size}x${size} PNG"
done
svg=$root/usr/share/icons/hicolor/scalable/apps/tarvek-config.svg
[[ -f $svg ]] && { file -b "$svg" | grep -q 'SVG' || fail "the scalable icon is not SVG"; }

# --- Debian's checks --------------------------------------------------------
# No error and no warning; lintian's informational tags are not findings.
if command -v lintian >/dev/null; then
  # Its temporary files go to the scratch folder, which lintian does not
  # always empty again.
  mkdir -p "$scratch/tmp"
  out=$(TMPDIR=$scratch/tmp lintian --tag-display-limit 0 "$deb" 2>&1)
  status=$?
  findings=$(grep -E '^[EW]: ' <<<"$out")
  # lintian from Debian 13 on runs "appstreamcli validate-tree" and passes on
  # the missing home page (accepted above) as this warning. A package cannot
  # override it: Debian 12's lintian refuses the tag as unknown. The warning is
  # dropped when the tree validates with that one finding accepted.
  tree_tag='W: tarvek-config: appstream-metadata-validation-failed'
  if grep -q "^$tree_tag" <<<"$findings" &&
     appstreamcli validate-tree --no-net "${accepted[@]}" "$root" >/dev/null 2>&1; then
    findings=$(grep -v "^$tree_tag" <<<"$findings")
  fi
  [[ -z $findings ]] || fail "lintian reported:"$'\n'"$findings"
  [[ $status -eq 0 || -n $findings ]] || fail "lintian exited $status:"$'\n'"$out"
  echo "lintian: no errors or warnings"
else
  echo "lintian is not installed: Debian's checks not run"
fi

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "package checks passed"
