#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and any named on the command line,
# only those missing.
set -euo pipefail
packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxlsxwriter-dev pkgconf qt6-translations-l10n poppler-utils "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
