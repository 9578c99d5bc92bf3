#!/usr/bin/env bash
# Builds the Debian package build-package/talvertable_<version>_<arch>.deb from this checkout.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# dpkg-shlibdeps works out the package's library dependencies.
if ! command -v dpkg-shlibdeps >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends dpkg-dev
fi
dir=${PACKAGE_BUILD_DIR:-build-package}
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$dir" -j2 --target talvertable
(cd "$dir" && cpack)
ls "$dir"/talvertable_*.deb
