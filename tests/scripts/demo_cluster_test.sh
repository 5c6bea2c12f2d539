#!/usr/bin/env bash
# The demo cluster's access rules, on copies of the checkout's scripts and
# server side: one in a folder the postgres user can reach (the cluster in
# .demo/ of the copy) and one in a private folder (the cluster in postgres's
# home). In both, another local user reaches neither the superuser through
# the socket nor over TCP, while the program's login over TCP works; a
# cluster left open by an earlier version is closed at its next start; a
# port in use is refused in one line that says what to set.
# Run as root (scripts/test is): it acts as the user nobody.
set -euo pipefail
checkout="$1"
[ "$(id -u)" = 0 ] || { echo "FAIL: needs root, to act as another local user" >&2; exit 1; }
source "$checkout/scripts/db-roles"
bin="$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -1)"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
free_port() { # below the range of the system's outgoing ports, used by no socket at all
  local p
  while :; do
    p=$((20000 + RANDOM % 8000))
    ss -tanH "sport = :$p" | grep -q . || { echo "$p"; return; }
  done
}

open=$(mktemp -d /tmp/demo-cluster-open.XXXXXX)
chmod 755 "$open"
private=$(mktemp -d /tmp/demo-cluster-private.XXXXXX) # 0700: postgres cannot enter
copies=("$open/co" "$private/co")
places=()
cleanup() {
  for c in "${copies[@]}"; do [ -x "$c/scripts/demo-cluster" ] && "$c/scripts/demo-cluster" stop || true; done
  for p in "${places[@]}"; do rm -rf "$p"; done
  rm -rf "$open" "$private"
}
trap cleanup EXIT

as_nobody() { (cd / && runuser -u nobody -- "$@"); }
superuser_refused() { # socket port: the superuser unreachable for nobody, socket and TCP
  if as_nobody psql -X -w -h "$1" -p "$2" -U postgres -d postgres -Atc 'SELECT 1' >/dev/null 2>&1; then
    fail "nobody reached the superuser through the socket $1"
  fi
  if as_nobody psql -X -w -h 127.0.0.1 -p "$2" -U postgres -d postgres -Atc 'SELECT 1' >/dev/null 2>&1; then
    fail "nobody reached the superuser over TCP on port $2"
  fi
}
login_works() { # port: the program's login over TCP, from any local user
  local who
  who=$(PGPASSWORD=$DUROZ_DB_PASSWORD as_nobody psql -X -w -h 127.0.0.1 -p "$1" -U "$DUROZ_DB_ROLE" -d duroz \
        -Atc 'SELECT current_user' 2>&1) || true
  [ "$who" = "$DUROZ_DB_ROLE" ] || fail "the program's login over TCP on port $1: $who"
}

for c in "${copies[@]}"; do
  mkdir -p "$c"
  cp -r "$checkout/scripts" "$checkout/server" "$c/"
  port=$(free_port)
  out=$(DUROZ_PUERTO=$port "$c/scripts/demo-cluster" start 2>&1) || { fail "start in $c: $out"; continue; }
  place=$(sed -n 's/.*its files are in //p' <<<"$out")
  places+=("$place")
  case "$c" in
    "$open"/*) [ "$place" = "$c/.demo" ] || fail "the cluster of $c is in $place, not in its .demo" ;;
    *) [[ "$place" == "$(getent passwd postgres | cut -d: -f6)"/duroz-demo/* ]] \
         || fail "the cluster of the private $c is in $place" ;;
  esac
  [ "$(stat -c %a "$place")" = 700 ] || fail "the socket folder $place has mode $(stat -c %a "$place")"
  psql -X -h "$place" -p "$port" -U postgres -d duroz -Atc 'SELECT 1' >/dev/null || fail "root reaches no superuser"
  superuser_refused "$place" "$port"
  login_works "$port"

  # Opened as an earlier version left it: trust on an open socket folder.
  runuser -u postgres -- sh -c "cd / && printf 'local all all trust\nhost all all 127.0.0.1/32 scram-sha-256\n' >'$place/cluster/pg_hba.conf' && chmod 755 '$place' && '$bin/pg_ctl' -D '$place/cluster' reload >/dev/null"
  sleep 1
  as_nobody psql -X -w -h "$place" -p "$port" -U postgres -d postgres -Atc 'SELECT 1' >/dev/null 2>&1 \
    || fail "the open cluster of the check itself was not open"
  DUROZ_PUERTO=$port "$c/scripts/demo-cluster" stop
  DUROZ_PUERTO=$port "$c/scripts/demo-cluster" start >/dev/null 2>&1 || fail "second start in $c"
  superuser_refused "$place" "$port"
  login_works "$port"
done

# A port in use by another process: one line, naming the port and the setting.
taken=$(ss -ltnH | awk '{print $4}' | sed -n 's/^127\.0\.0\.1:\([0-9]*\)$/\1/p' | head -1)
other="$open/other"
mkdir -p "$other" && cp -r "$checkout/scripts" "$checkout/server" "$other/" && copies+=("$other")
if out=$(DUROZ_PUERTO=$taken "$other/scripts/demo-cluster" start 2>&1); then
  fail "started on port $taken, which is in use"
else
  [ "$(printf '%s\n' "$out" | wc -l)" = 1 ] && grep -q "port $taken is taken.*DUROZ_PUERTO" <<<"$out" \
    || fail "a port in use was told as: $out"
fi

[ "$failures" = 0 ] && echo "demo cluster access rules hold"
exit "$failures"
