#!/bin/sh
# Makes the simulated marketplace's test certificate authority and a server
# certificate for its host names. Run by the build; no key is ever committed.
set -eu
dir=$1
mkdir -p "$dir"
cd "$dir"
[ -f server.pem ] && [ -f server.key ] && [ -f ca.pem ] && exit 0

names="market.localhost"
for role in i login sec err tradearchive trade buyertrade rate; do
  names="$names $role.market.localhost"
done
names="$names wwc.cdn.localhost"
san=""
for name in $names; do san="$san${san:+,}DNS:$name"; done

openssl req -x509 -newkey rsa:2048 -nodes -days 825 -sha256 \
  -subj "/CN=Tesmira simulated marketplace test CA" \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" \
  -keyout ca.key -out ca.pem 2>/dev/null
openssl req -newkey rsa:2048 -nodes -sha256 -subj "/CN=market.localhost" \
  -keyout server.key -out server.csr 2>/dev/null
printf 'subjectAltName=%s\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\nkeyUsage=digitalSignature,keyEncipherment\n' "$san" >server.ext
openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 365 -sha256 \
  -extfile server.ext -out server.pem 2>/dev/null
rm -f server.csr server.ext ca.srl
