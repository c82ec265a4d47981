#!/usr/bin/env bash
# tesmira-demo as scripts/demo starts it: it prints where its marketplace
# listens and the credentials, the marketplace serves the login page, and the
# program keeps running with its window up until it is stopped. Its settings
# go to a directory of the demo's own.
set -euo pipefail
program=$1
ca=$2
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

XDG_DATA_HOME="$work/data" "$program" >"$work/output" 2>&1 &
pid=$!
for _ in $(seq 100); do grep -q 'settings in' "$work/output" && break; sleep 0.1; done

grep -q 'log in with    demo / demo1234' "$work/output"
port=$(sed -n 's/.*simulated marketplace on port \([0-9]*\).*/\1/p' "$work/output")
curl -sS --cacert "$ca" "https://login.market.localhost:$port/member/login.jhtml" |
  grep -q J_Quick2Static
[ -d "$work/data/Tesmira demo" ]

# The window and its browser pane come up and stay up.
sleep 8
kill -0 "$pid"
echo "the demo started, served the login page and kept running"
