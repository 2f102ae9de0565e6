#!/usr/bin/env bash
# Builds the Debian packages from the build folder with CPack, checks their
# control fields, and unpacks them into <scratch>/root for the tests that use
# what they hold. The LibreOffice engine's package is checked when
# <with libreoffice> is ON (the build has the engine).
# Usage: build_package.sh <build folder> <scratch folder> <version> <with libreoffice>
set -euo pipefail
build=$1
scratch=$2
version=$3
with_libreoffice=$4
rm -rf "$scratch"
mkdir -p "$scratch"
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" > "$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  exit 1
fi
architecture=$(dpkg --print-architecture)
deb="$scratch/parvolin_${version}_${architecture}.deb"
module_deb="$scratch/parvolin-libreoffice_${version}_${architecture}.deb"
[ -f "$deb" ] || { echo "no $deb"; ls "$scratch"; exit 1; }
dpkg-deb -x "$deb" "$scratch/root"

status=0
field() { dpkg-deb -f "${2:-$deb}" "$1"; }
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
# The program needs no office: neither it nor its package names an office
# or PDF library, which only the engine's package brings.
office='uno|poppler|reglo|storelo|libreoffice'
expect "the program links no office library" sh -c "! readelf -d '$scratch/root/usr/bin/parvolin' | grep NEEDED | grep -qE '$office'"
expect "the program's package depends on no office package" bash -c '! grep -qE "$1" <<< "$2"' - "$office" "$(field Depends)"
echo "Package: $(field Package) $(field Version), Depends: $(field Depends)"

if [ "$with_libreoffice" = ON ]; then
  [ -f "$module_deb" ] || { echo "no $module_deb"; ls "$scratch"; exit 1; }
  dpkg-deb -x "$module_deb" "$scratch/root"
  module_depends=$(field Depends "$module_deb")
  expect "engine package name" test "$(field Package "$module_deb")" = parvolin-libreoffice
  expect "engine version $version" test "$(field Version "$module_deb")" = "$version"
  for needed in "parvolin \\(= $version\\)" libreoffice-writer libuno-cppu3 libpoppler-qt6-3; do
    expect "the engine depends on $needed" grep -qE "(^|, |\\| )$needed( |,|$)" <<< "$module_depends"
  done
  for file in usr/lib/parvolin/engines/libreoffice.so usr/share/doc/parvolin-libreoffice/copyright \
      usr/share/doc/parvolin-libreoffice/changelog.gz usr/share/lintian/overrides/parvolin-libreoffice; do
    expect "the engine package holds /$file" test -f "$scratch/root/$file"
  done
  echo "Package: parvolin-libreoffice, Depends: $module_depends"
else
  expect "no engine package without the engine" test ! -e "$module_deb"
fi
exit $status
