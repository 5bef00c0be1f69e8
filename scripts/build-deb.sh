#!/usr/bin/env bash
# Builds the Debian package from the committed files of HEAD, checks it with
# lintian (an error fails the build, warnings are shown) and leaves it in dist/.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
source scripts/setup.sh

install_missing_packages dpkg-dev debhelper fakeroot lintian

# A copy of what is committed, so no build folder or stray file goes in.
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "Note: building HEAD; changes not committed are left out." >&2
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
source_dir=$scratch/quadrillo
mkdir "$source_dir"
git archive HEAD | tar -x -C "$source_dir"

cd "$source_dir"
version=$(dpkg-parsechangelog -S Version)
if ! dpkg-checkbuilddeps 2>/dev/null; then
    apt_get update -qq
    apt_get build-dep -y -qq --no-install-recommends ./
fi
DEB_BUILD_OPTIONS=${DEB_BUILD_OPTIONS:-parallel=2} dpkg-buildpackage -us -uc -b

arch=$(dpkg-architecture -qDEB_HOST_ARCH)
deb="quadrillo_${version}_${arch}.deb"
# lintian exits non-zero on an error; warnings only print.
lintian --fail-on error "../quadrillo_${version}_${arch}.changes"

cd "$top"
mkdir -p dist
cp "$scratch/$deb" dist/
echo "dist/$deb"
