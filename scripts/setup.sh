# Sourced by play.sh and test.sh: installs the Debian packages the game, its
# tests and its tools need, then configures and builds into build/.
set -euo pipefail

QUADRILLO_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-image-formats-plugins libgl-dev fonts-dejavu-core
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    xvfb xauth xdotool xclip x11-apps imagemagick libx11-dev
    librsvg2-bin desktop-file-utils appstream man-db
)

# apt-get as root, through sudo when we are not; sudo would drop a
# DEBIAN_FRONTEND set in front of it, so env passes it on.
apt_get() {
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"
}

# Installs the packages named, or QUADRILLO_PACKAGES without arguments,
# that are not installed yet.
install_missing_packages() {
    local wanted=("$@")
    [ $# -eq 0 ] && wanted=("${QUADRILLO_PACKAGES[@]}")
    local missing=()
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    apt_get update -qq
    apt_get install -y -qq --no-install-recommends "${missing[@]}"
}

build_quadrillo() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build --parallel "$(nproc)"
}
