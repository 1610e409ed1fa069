# Shared by tools/run and tools/test: installs the Debian packages the build needs.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make qt6-base-dev libgl-dev libgtest-dev clang-format clang-tidy ccache
    libtag1-dev libexiv2-dev pkg-config desktop-file-utils appstream qt6-l10n-tools
    qt6-translations-l10n fuse fusefat dosfstools)
# tools/package: dpkg-shlibdeps (dpkg-dev, file) for the dependencies, lintian, man.
packages+=(dpkg-dev file lintian man-db)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
jobs=$(nproc)
