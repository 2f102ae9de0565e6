#!/usr/bin/env bash
# Builds the Debian package from the build folder with CPack, checks its control
# fields, and unpacks it into <scratch>/root for the tests that use what it holds.
# Usage: build_package.sh <build folder> <scratch folder> <version>
set -euo pipefail
build=$1
scratch=$2
version=$3
rm -rf "$scratch"
mkdir -p "$scratch"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" > "$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  exit 1
fi
deb="$scratch/parvolin_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no $deb"; ls "$scratch"; exit 1; }
dpkg-deb -x "$deb" "$scratch/root"

status=0
field() { dpkg-deb -f "$deb" "$1"; }
expect() { # expect <what> <command...>: reports a failed check and goes on
  local what=$1
  shift
  "$@" || { echo "FAILED: $what"; status=1; }
}
expect "package name" test "$(field Package)" = parvolin
expect "version $version" test "$(field Version)" = "$version"
expect "section" test -n "$(field Section)"
expect "maintainer" grep -q '<.*@.*>' <<< "$(field Maintainer)"
for needed in libqt6widgets6 libc6 libzip4 fonts-wine fonts-crosextra-carlito fonts-liberation; do
  expect "depends on $needed" grep -qE "(^|, )$needed( |,|$)" <<< "$(field Depends)"
done
for file in usr/bin/parvolin usr/share/applications/parvolin.desktop \
    usr/share/icons/hicolor/scalable/apps/parvolin.svg usr/share/icons/hicolor/48x48/apps/parvolin.png \
    usr/share/metainfo/example.tarnwick.parvolin.metainfo.xml usr/share/man/man1/parvolin.1.gz \
    usr/share/doc/parvolin/copyright usr/share/doc/parvolin/changelog.gz; do
  expect "the package holds /$file" test -f "$scratch/root/$file"
done
expect "the program is stripped" sh -c "file -L '$scratch/root/usr/bin/parvolin' | grep -q ', stripped'"
echo "Package: $(field Package) $(field Version), Depends: $(field Depends)"
exit $status
