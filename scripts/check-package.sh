#!/usr/bin/env bash
# Checks the package built by scripts/build-package.sh as a packager would: lintian --pedantic,
# the desktop entry and the AppStream metainfo, failing on any error or warning; and that the
# program, the man page and the metainfo state the package's version.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${PACKAGE_BUILD_DIR:-build-package}

bash scripts/install-deps.sh lintian appstream desktop-file-utils

changes=("$out"/talvertable_*.changes)
if [ ${#changes[@]} -ne 1 ] || [ ! -f "${changes[0]}" ]; then
  echo "expected one talvertable_*.changes in $out, found: ${changes[*]}" >&2
  exit 1
fi
# The .changes names the .deb, its debug symbols and the build record: lintian checks them all.
lintian --pedantic --display-info --fail-on error,warning "${changes[0]}"

deb=("$out"/talvertable_*.deb)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "${deb[0]}" "$tree"

# The packaged program, its man page and its metainfo all state the package's version.
version=$(dpkg-deb -f "${deb[0]}" Version)
printed=$("$tree"/usr/bin/talvertable --version)
if [ "$printed" != "talvertable $version" ]; then
  echo "talvertable --version printed '$printed', the package is $version" >&2
  exit 1
fi
title=$(zcat "$tree"/usr/share/man/man1/talvertable.1.gz | sed -n 1p)
if [[ "$title" != *"\"talvertable $version\""* ]]; then
  echo "the man page does not state version $version" >&2
  exit 1
fi
if ! grep -qF "<release version=\"$version\"" "$tree"/usr/share/metainfo/*.metainfo.xml; then
  echo "the metainfo has no release $version" >&2
  exit 1
fi

desktop=("$tree"/usr/share/applications/*.desktop)
# desktop-file-validate fails only on errors; a warning is a line of output.
report=$(desktop-file-validate "${desktop[@]}" 2>&1) || { echo "$report" >&2; exit 1; }
if [ -n "$report" ]; then
  echo "$report" >&2
  exit 1
fi
# validate-tree also checks that the metainfo's launchable names an installed desktop entry.
appstreamcli validate --pedantic --strict --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
appstreamcli validate-tree --pedantic --strict --no-net "$tree"
echo "lintian, desktop-file-validate and appstreamcli: no error or warning"
