#!/usr/bin/env bash
# Builds the Debian package build-package/talvertable_<version>_<arch>.deb (and its .changes)
# from this checkout with the source package in debian/; the tests are not built.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${PACKAGE_BUILD_DIR:-build-package}

bash scripts/install-deps.sh build-essential debhelper dpkg-dev
if ! dpkg-checkbuilddeps 2>/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get build-dep -y -qq --no-install-recommends ./
fi

# The package states the version of the CMake project, which is the one --version and the man page print.
project_version=$(sed -nE 's/^project\(talvertable VERSION ([^ )]+).*/\1/p' CMakeLists.txt)
package_version=$(dpkg-parsechangelog -S Version)
if [ -z "$project_version" ] || [ "$project_version" != "$package_version" ]; then
  echo "debian/changelog says $package_version, CMakeLists.txt says '$project_version'" >&2
  exit 1
fi

# dpkg-buildpackage writes into the source tree and its parent: it works on a copy of the
# checkout's files (tracked and new, not ignored) inside the output folder.
src="$out/source/talvertable-$package_version"
rm -rf "$out/source"
mkdir -p "$src"
git ls-files -z --cached --others --exclude-standard --deduplicate |
  while IFS= read -r -d "" f; do if [ -e "$f" ]; then printf "%s\0" "$f"; fi; done |
  tar --null -T - -cf - | tar -xf - -C "$src"

rm -f "$out"/talvertable_* "$out"/talvertable-dbgsym_*
(cd "$src" && DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-nocheck parallel=$(nproc)}" \
  dpkg-buildpackage -us -uc -b)
mv "$out"/source/talvertable_* "$out"/source/talvertable-dbgsym_* "$out"/
rm -rf "$out/source"
ls "$out"/talvertable_*.deb
