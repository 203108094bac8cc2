#!/usr/bin/env bash
# The README's set-up commands work from a root shell on a machine without
# sudo (a minimal Debian, a container), and each shows its sudo form beside
# it. The commands run in a scratch copy whose scripts only report that they
# ran, with a PATH that holds bash and nothing else.
#
# usage: readme_setup.sh README SCRATCH_DIR
set -uo pipefail

readme=$1
scratch=$2
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The first fenced block after the set-up heading.
commands=$(awk '/^## Set-up/ { section = 1 }
                section && /^```/ { if (inside) exit; inside = 1; next }
                inside { print }' "$readme")
[[ -n "$commands" ]] || { echo "FAIL: no set-up block in $readme" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch/clone/scripts" "$scratch/bin"
for script in run.sh test.sh install-deps.sh; do
  printf 'echo "ran scripts/%s"\n' "$script" >"$scratch/clone/scripts/$script"
done
ln -s "$(command -v bash)" "$scratch/bin/bash"

count=0
while IFS= read -r line; do
  [[ -z "${line// /}" ]] && continue
  count=$((count + 1))
  script=$(grep -o 'scripts/[a-z-]*\.sh' <<<"$line" | head -1)
  [[ -n "$script" ]] || { fail "no script in: $line"; continue; }
  output=$(cd "$scratch/clone" && env -i PATH="$scratch/bin" bash -c "$line" 2>&1)
  status=$?
  if ((status != 0)) || [[ "$output" != *"ran $script"* ]]; then
    fail "from a root shell without sudo, '$line' gave $status: $output"
  fi
  [[ "$line" == *"sudo bash $script"* ]] || fail "no sudo form beside: $line"
done <<<"$commands"
((count == 2)) || fail "expected the two set-up commands, found $count"

((failures == 0)) && echo "README set-up commands: OK"
exit $((failures > 0))
