#!/usr/bin/env bash
# Installs what building (and, with --tests, testing) needs on Debian 12, as
# root or through sudo, and builds into build/: the targets named, or all.
#   scripts/setup.sh [--tests] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev libxcb-xinput-dev libxcb-render0-dev libxcb-shape0-dev libdeflate-dev
    libwayland-dev
    fonts-liberation2
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n python3
)
tests=
sudo_cmd=()
if [ "${1:-}" = "--tests" ]; then
    shift
    tests=yes
    packages+=(
        libbenchmark-dev
        xvfb xauth xfonts-base trayer openbox xdotool xclip x11-utils imagemagick
        dbus chromium
        desktop-file-utils appstream libxml2-utils man-db shared-mime-info xdg-utils
        libfile-mimeinfo-perl dpkg-dev file python3-pil nodejs
        weston xwayland qt6-wayland sway grim swaybg gimp-data
        xdg-desktop-portal-wlr xdg-desktop-portal-gtk pipewire slurp libglib2.0-bin procps wtype wl-clipboard
        gnome-shell mutter xdg-desktop-portal-gnome python3-gi gir1.2-gtk-3.0 dbus-bin
        kwin-wayland xdg-desktop-portal-kde plasma-workspace qtwayland5 qml-module-org-kde-kirigami2
        qml-module-qtquick-controls2 qml-module-qtquick-layouts
        xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils
        at-spi2-core python3-pyatspi orca xdg-desktop-portal libsm-dev libice-dev
        lintian devscripts clang-format strace clang
    )
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi

# An Adobe swatch reader and contrast calculators that are not ours (APCA's
# reference among them), for the export and contrast tests (npm's).
if [ -n "$tests" ] && { [ ! -d build/npm/node_modules/ase-util ] ||
    [ ! -d build/npm/node_modules/wcag-contrast ] || [ ! -d build/npm/node_modules/apca-w3 ] ||
    [ ! -d build/npm/node_modules/culori ]; }; then
    command -v npm >/dev/null || {
        [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
        "${sudo_cmd[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends npm
    }
    npm install --prefix build/npm --no-audit --no-fund --loglevel=error ase-util@1.0.3 \
        wcag-contrast@3.0.0 apca-w3@0.1.9 culori@4.0.2
fi

# HUEVELLA_WERROR=ON (scripts/test.sh, CI) makes a warning fail the build;
# unset, the build keeps what it was configured with.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    ${HUEVELLA_WERROR:+-DHUEVELLA_WERROR=$HUEVELLA_WERROR}
if [ $# -gt 0 ]; then
    cmake --build build --target "$@"
elif [ -n "$tests" ]; then
    cmake --build build
else
    # The programs and what is installed with them; the tests, benchmarks
    # and their helpers only with --tests.
    cmake --build build --target huevella hvz compressed_docs
fi
