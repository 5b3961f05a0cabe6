#!/bin/sh
# The Debian package unpacked into a scratch folder: the installed runner finds its instruction set
# in ../share/vantric and runs a program; the desktop entry, the MIME type, the icon and the manual
# page are in place; the dependencies name the libraries and the Qt plugins. Skipped (77) until
# scripts/package.sh has built the package.
# usage: deb_test.sh PACKAGE_DIR PROGRAM.85 VERSION
set -u
dir=$1 program=$2 version=$3
deb=$(ls "$dir"/vantric_"$version"_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "no package in $dir: scripts/package.sh builds it"; exit 77; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

dpkg -x "$deb" "$root" || fail "dpkg -x $deb"
cli=$root/usr/bin/vantric-cli
[ "$("$cli" --version)" = "Vantric $version" ] || fail "--version: $("$cli" --version 2>&1)"
[ ! -e "$root/usr/bin/InstSet.Dat" ] || fail "the instruction set lies beside the executables"
out=$("$cli" run "$program" 2>&1) || fail "run $program: $out"
echo "$out" | grep -qx "Execution finished" || fail "run $program: $out"
for file in usr/bin/vantric usr/share/vantric/readme.rtf usr/share/icons/hicolor/scalable/apps/vantric.svg \
            usr/share/mime/packages/vantric.xml usr/share/man/man1/vantric-cli.1.gz; do
    [ -f "$root/$file" ] || fail "missing $file"
done
desktop-file-validate "$root/usr/share/applications/vantric.desktop" || fail "desktop entry"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6widgets6 qt6-qpa-plugins libqt6svg6; do
    echo "$depends" | grep -q "$package" || fail "Depends lacks $package: $depends"
done
echo "package $deb: installs and runs"
