#!/usr/bin/env bash
# A maintainer's check, not part of the test command: the README's test command in a bare
# Debian 12 root (debootstrap's minbase) that holds only what the hosted CI's Linux job starts
# from, so that tools/setup.sh is seen to install everything the commands use. Run as root.
#   tools/bare-root-check.sh [folder for the root]
# The host's extra CA certificates and resolver settings are copied in, so that the package
# clients reach the registries from the root as they do from the host. The root is removed
# afterwards unless a folder was named.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
root=${1:-}
keep=yes
if [ -z "$root" ]; then
  root=$(mktemp -d "${TMPDIR:-/tmp}/quorm3-bare.XXXXXX")
  keep=no
fi

command -v debootstrap >/dev/null 2>&1 || {
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends debootstrap
}

mounted=()
cleanup() {
  set +e
  local at
  for at in "${mounted[@]}"; do umount -R -l "$at"; done
  [ "$keep" = yes ] || rm -rf "$root"
}
trap cleanup EXIT
in_root() { chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"; }

started=$(date +%s)
[ -x "$root/usr/bin/apt-get" ] || debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
for fs in proc sys dev; do
  mount --rbind "/$fs" "$root/$fs"
  mounted=("$root/$fs" "${mounted[@]}")
done
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/usr/local/share/ca-certificates"
cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/" 2>/dev/null || true

# What the hosted CI's Linux job installs before its checkout, and nothing more.
in_root apt-get update -q
in_root /bin/sh -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  ca-certificates git g++ cmake googletest'
in_root update-ca-certificates >/dev/null
rm -rf "$root/work"
git clone -q "$src" "$root/work"
packages_done=$(date +%s)

in_root /bin/sh -c 'cd /work && bash tools/test.sh'
echo "bare-root: the root and its first packages took $((packages_done - started)) s;" \
  "the README's test command took $(($(date +%s) - packages_done)) s there"
