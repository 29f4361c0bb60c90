#!/usr/bin/env bash
# Builds the Debian package of a build folder and checks it: it holds exactly the files
# `cmake --install` installs, its control fields are those of a proper package, it has no
# maintainer scripts, and lintian (when installed) finds no error.
# Usage: scripts/check-package.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build/release}" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "check-package: $*" >&2
  exit 1
}

# What cmake --install puts under /usr.
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
(cd "$work/root" && find . ! -type d | sed 's|^\./|/|' | sort) >"$work/installed"

# The package, built as `--target package` builds it.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >/dev/null)
deb="$work/out/zyned_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") was made"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./|/|' | sort >"$work/packaged"
diff -u "$work/installed" "$work/packaged" >&2 ||
  fail "the package's files differ from what cmake --install installs (- installed, + packaged)"

info=$(dpkg-deb --info "$deb")
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = zyned ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the build says $version"
[ "$(field Architecture)" = amd64 ] || fail "Architecture: $(field Architecture)"
[ -n "$(field Maintainer)" ] && [ -n "$(field Section)" ] && [ -n "$(field Priority)" ] ||
  fail "Maintainer, Section and Priority are needed"
[ "$(field Description | head -1)" = "mission editor for the space-combat game Zyn" ] ||
  fail "Description: $(field Description | head -1)"
[ "$(field Description | wc -l)" -gt 3 ] || fail "the description has no long text"
depends=$(field Depends)
for lib in libc6 libstdc++6; do
  grep -q "\b$lib\b" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
if grep -q '^/usr/bin/zyned$' "$work/installed"; then
  grep -q "libqt6widgets6" <<<"$depends" || fail "Depends lacks Qt Widgets: $depends"
fi
if grep -q '/zyned/libzyned_sound\.so$' "$work/installed"; then
  grep -q "libqt6multimedia6" <<<"$(field Recommends)" ||
    fail "Recommends lacks Qt Multimedia: $(field Recommends)"
  ! grep -q "libqt6multimedia6" <<<"$depends" || fail "Qt Multimedia must not be a dependency"
fi
for script in preinst postinst prerm postrm; do
  ! grep -qw "$script" <<<"$info" || fail "a maintainer script ($script) is not needed"
done
zcat "$work/root/usr/share/doc/zyned/changelog.gz" | head -1 | grep -q "^zyned ($version)" ||
  fail "the change log's first entry is not version $version"

# The spelling of the binaries' strings is only ever reported as information, and reading every
# string of the programs is lintian's slowest check; every check that can find an error runs.
if command -v lintian >/dev/null; then
  lintian --fail-on error --dont-check-part binaries/spelling "$deb" >&2 ||
    fail "lintian found errors"
fi
echo "check-package: $(basename "$deb") holds the $(wc -l <"$work/packaged") installed files"
