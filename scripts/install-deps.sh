#!/usr/bin/env bash
# Installs the Debian packages listed in the given files (default: scripts/packages.txt) that are
# missing, with sudo when not root. Does nothing when everything is there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lists=("$@")
[ ${#lists[@]} -gt 0 ] || lists=("$here/packages.txt")
missing=()
for list in "${lists[@]}"; do
  while read -r pkg; do
    pkg=${pkg%%#*}
    pkg=${pkg//[[:space:]]/}
    [ -n "$pkg" ] || continue
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done < "$list"
done
[ ${#missing[@]} -gt 0 ] || exit 0
echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Need root (or sudo) to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
