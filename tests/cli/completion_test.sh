#!/usr/bin/env bash
# The bash completion of tarvek-cli: registered for the command (complete -p),
# and what it offers for verbs (also after help), options, --set, --cfg and --port (compgen
# through the completion function, as bash calls it).
#
# usage: completion_test.sh COMPLETION_SCRIPT TARVEK_CLI
set -uo pipefail
script=$1
cli=$2
failures=0

# shellcheck source=/dev/null
source "$script"

registered=$(complete -p tarvek-cli)
[[ $registered == "complete -F _tarvek_cli tarvek-cli" ]] || {
  echo "FAIL: complete -p tarvek-cli gives '$registered'"
  failures=$((failures + 1))
}

# offers EXPECTED WORD... : completes the last WORD of the command line.
offers() {
  local expected=$1
  shift
  COMP_WORDS=("$cli" "$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _tarvek_cli
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
  if [[ $got != "$expected " ]]; then
    echo "FAIL: tarvek-cli $* -> '$got', expected '$expected '"
    failures=$((failures + 1))
  fi
}

offers "send settings" se
offers "decode" d
offers "help" he
offers "ports position" help po
offers "" help ports ""
offers "--port" send --p
offers "--json" encode --j
offers "--lat --lon" position --l
offers "callsign=" encode --set call
offers "chkTable=" save x.cfg --set chkT
offers "msg-retries= msg-to=" encode --set msg-
offers 'esSpeedTable\(0\)= esSpeedTable\(1\)= esSpeedTable\(2\)= esSpeedTable\(3\)= esSpeedTable\(4\)= esSpeedTable\(5\)= esSpeedTable\(6\)=' encode --set esSpeed
offers 'esSpeedTable\(4\)=' encode --set 'esSpeedTable\(4'

export TARVEK_COM7=/dev/null
mapfile -t ports < <(compgen -W "$("$cli" ports | awk '/^[0-9]/ { print $1 }')")
offers "7" send --port 7
COMP_WORDS=("$cli" send --port "")
COMP_CWORD=3
_tarvek_cli
[[ " ${COMPREPLY[*]} " == *" 7 "* && ${#COMPREPLY[@]} -eq ${#ports[@]} ]] || {
  echo "FAIL: --port offers '${COMPREPLY[*]}', ports lists '${ports[*]}'"
  failures=$((failures + 1))
}

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/sub"
touch "$dir/car.cfg" "$dir/OLD.CFG" "$dir/notes.txt"
cd "$dir" || exit 1
offers "OLD.CFG car.cfg sub" encode --cfg ""
offers "car.cfg" send --port 1 --cfg c

if ((failures)); then
  echo "$failures completion check(s) failed"
  exit 1
fi
echo "completion checks passed"
