#!/usr/bin/env bash
# tesmira-marketsim started by hand: it prints its hosts and the demo
# credentials, serves the login page over HTTPS, and stops cleanly on Ctrl-C.
set -euo pipefail
program=$1
output=$(mktemp)
trap 'rm -f "$output"' EXIT

"$program" --orders 5 >"$output" 2>&1 &
pid=$!
for _ in $(seq 50); do grep -q 'test CA' "$output" && break; sleep 0.1; done

grep -q 'demo credentials  demo / demo1234' "$output"
login=$(sed -n 's/^  loginHost *//p' "$output")
ca=$(sed -n 's/^  test CA *//p' "$output")
curl -sS --cacert "$ca" "https://$login/member/login.jhtml" | grep -q J_Quick2Static

kill -INT "$pid"
wait "$pid"
grep -q 'tesmira-marketsim: stopped' "$output"
echo "started, served the login page and stopped cleanly"
