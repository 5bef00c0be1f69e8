#!/usr/bin/env bash
# Installs the Debian package into a freshly bootstrapped Debian 12 root and
# tries it there as a new user: its tools and files, then the game on an X
# server of the root's own, photographed.
#
#   scripts/try-deb-in-fresh-root.sh [PACKAGE.deb [SCREENSHOT.png]]
#
# The package defaults to the newest dist/quadrillo_*.deb, the screenshot to
# dist/fresh-root.png. Bootstrapping takes minutes: with QUADRILLO_BASE_ROOT
# set, the bootstrapped root is kept in that folder and each run tries the
# package in a copy of it.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=QUADRILLO_BASE_ROOT "$0" "$@"
fi
top=$(cd "$(dirname "$0")/.." && pwd)
deb=${1:-$(ls -t "$top"/dist/quadrillo_*.deb 2>/dev/null | head -n 1 || true)}
[ -f "$deb" ] || {
    echo "No package to try: run scripts/build-deb.sh first, or name one" >&2
    exit 1
}
deb=$(realpath "$deb")
shot=$(realpath "${2:-$top/dist/fresh-root.png}")
source "$top/scripts/setup.sh"
source "$top/scripts/apt-mirror.sh"
install_missing_packages debootstrap imagemagick

suite=bookworm
mirror=$(debian_mirror "$suite") || {
    echo "No $suite mirror in this machine's apt sources" >&2
    exit 1
}

scratch=$(mktemp -d)
root=$scratch/root
mounted=()
pids=()
cleanup() {
    local i clean=1
    # The game before its X server.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        { kill "${pids[i]}" && wait "${pids[i]}"; } 2>/dev/null || true
    done
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" || clean=0
    done
    # Never delete through a mount that is still there.
    if [ $clean -eq 1 ]; then
        rm -rf "$scratch"
    else
        echo "Left $scratch: something is still mounted in it" >&2
    fi
}
trap cleanup EXIT
trap "exit 130" INT TERM

echo "== Bootstrapping Debian $suite from $mirror"
if [ -n "${QUADRILLO_BASE_ROOT:-}" ]; then
    if [ ! -d "$QUADRILLO_BASE_ROOT" ]; then
        rm -rf "$QUADRILLO_BASE_ROOT.partial"
        debootstrap --variant=minbase "$suite" "$QUADRILLO_BASE_ROOT.partial" "$mirror"
        mv "$QUADRILLO_BASE_ROOT.partial" "$QUADRILLO_BASE_ROOT"
    fi
    cp -a "$QUADRILLO_BASE_ROOT" "$root"
else
    debootstrap --variant=minbase "$suite" "$root" "$mirror"
fi

# mount_in_root FOLDER MOUNT-ARGUMENTS...: mounts on FOLDER of the root.
mount_in_root() {
    local target=$root/$1
    shift
    mount "$@" "$target"
    mounted+=("$target")
}
mount_in_root proc -t proc proc
mount_in_root sys -t sysfs sysfs
mount_in_root dev --bind /dev
mount_in_root dev/pts --bind /dev/pts
# Packages install their services, but none starts in here.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"

in_root() {
    chroot "$root" env -i LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
        PATH=/usr/sbin:/usr/bin:/sbin:/bin:/usr/games "$@"
}

echo "== apt install ./$(basename "$deb")"
cp "$deb" "$root/"
in_root apt-get update -qq
in_root sh -c "cd / && apt-get install -y ./$(basename "$deb")" >"$scratch/apt.log" 2>&1 || {
    cat "$scratch/apt.log"
    exit 1
}
grep 'newly installed' "$scratch/apt.log"
tail -n 8 "$scratch/apt.log"

in_root useradd --create-home --shell /bin/sh player
player=$(in_root id -u player)
home=$(in_root getent passwd player | cut -d: -f6)
# A command, not a function: started in the background, its process is the
# game's own, so killing it ends the game.
as_player=(chroot --userspec="$player:$player" "$root" env -i HOME="$home" USER=player
    LANG=C.UTF-8 PATH=/usr/bin:/bin:/usr/games)

echo "== As a new user"
"${as_player[@]}" sh -xc 'cd && quadrillo --version && readlink -f /usr/games/quadrillo' 2>&1
"${as_player[@]}" sh -xc 'qdrpack list && qdrpack check /usr/lib/quadrillo/*.qdr' 2>&1

echo "== The game on the root's own X server"
in_root apt-get install -y -qq --no-install-recommends xvfb x11-apps xdotool >/dev/null
chroot "$root" Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp \
    3>"$scratch/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
[ -s "$scratch/display" ] || {
    echo "Xvfb did not start" >&2
    exit 1
}
display=:$(head -n 1 "$scratch/display")
"${as_player[@]}" DISPLAY="$display" quadrillo 2>&1 &
pids+=($!)
in_root DISPLAY="$display" timeout 30 xdotool search --sync --onlyvisible --name '^Quadrillo$' \
    >/dev/null
# The window is mapped; let it paint its board.
sleep 2
in_root DISPLAY="$display" xwd -root -silent >"$scratch/screen.xwd"
convert "xwd:$scratch/screen.xwd" "$shot"
# The picture is the caller's, not root's.
[ -n "${SUDO_UID:-}" ] && chown "$SUDO_UID:$SUDO_GID" "$shot"
kill -0 "${pids[-1]}"
echo "The game runs; its working files:"
"${as_player[@]}" sh -c 'ls -l ~/.cache/Quadrillo'
echo "Screenshot: $shot"

echo "== The desktop file"
in_root apt-get install -y -qq --no-install-recommends desktop-file-utils >/dev/null
in_root desktop-file-validate /usr/share/applications/quadrillo.desktop
echo "desktop-file-validate: no complaints"
