#!/usr/bin/env bash
# Builds Velcarin and its Debian package build-package/velcarin_VERSION_ARCH.deb (CPack; the dependencies are
# those dpkg-shlibdeps finds in the binaries) in a tree of its own that builds no tests, checks what the
# package holds and needs and what lintian says of it, and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELCARIN_TESTS_IN_ALL=OFF >/dev/null
cmake --build build-package --parallel "$(nproc)" >build-package/build.log 2>&1 || { tail -40 build-package/build.log; exit 1; }
rm -f build-package/velcarin_*.deb
(cd build-package && cpack -G DEB >cpack.log 2>&1) || { tail -20 build-package/cpack.log; exit 1; }
deb=$(ls build-package/velcarin_*.deb)
contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/velcarin ./usr/bin/velcarin-cli ./usr/libexec/velcarin/velcarin-print \
    ./usr/share/velcarin/cleaning.mdb \
    ./usr/share/velcarin/Unitor.hlp ./usr/share/velcarin/GLOBE15.BMP \
    ./usr/share/applications/org.velcarin.Velcarin.desktop ./usr/share/metainfo/org.velcarin.Velcarin.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/velcarin.png ./usr/share/icons/hicolor/scalable/apps/velcarin.svg \
    ./usr/share/man/man1/velcarin.1.gz ./usr/share/man/man1/velcarin-cli.1.gz \
    ./usr/share/bash-completion/completions/velcarin-cli \
    ./usr/share/doc/velcarin/copyright ./usr/share/doc/velcarin/changelog.gz; do
    grep -qF " $file" <<<"$contents" || { echo "package: $deb lacks $file" >&2; exit 1; }
done
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6sql6-sqlite libmdb3; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || { echo "package: $deb does not depend on $package: $depends" >&2; exit 1; }
done
# Debian's own checks: any error or warning fails the package.
lintian --fail-on error,warning "$deb" >&2 || { echo "package: lintian finds fault with $deb" >&2; exit 1; }
echo "$deb"
