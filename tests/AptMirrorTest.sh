#!/usr/bin/env bash
# debian_mirror against apt source folders written here, one per case.
set -uo pipefail
source "$(dirname "$0")/../scripts/apt-mirror.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# apt_dir NAME: a fresh apt folder for one case.
apt_dir() {
    mkdir -p "$scratch/$1/sources.list.d"
    echo "$scratch/$1"
}

# expect CASE WANTED: debian_mirror bookworm prints WANTED and succeeds, or,
# with WANTED empty, prints nothing and fails.
expect() {
    local got status
    got=$(debian_mirror bookworm "$scratch/$1")
    status=$?
    if [ -n "$2" ] && { [ "$got" != "$2" ] || [ $status -ne 0 ]; }; then
        echo "FAIL $1: wanted '$2', got '$got' (status $status)"
        failures=$((failures + 1))
    elif [ -z "$2" ] && { [ -n "$got" ] || [ $status -eq 0 ]; }; then
        echo "FAIL $1: wanted no mirror, got '$got' (status $status)"
        failures=$((failures + 1))
    fi
}

# deb822 as Debian 12 installs it: the release, then security.
dir=$(apt_dir deb822)
cat >"$dir/sources.list.d/debian.sources" <<'EOF'
Types: deb
URIs: http://release.example/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: http://security.example/debian-security
Suites: bookworm-security
Components: main
EOF
expect deb822 http://release.example/debian

# A suite that only starts with the name is another suite.
dir=$(apt_dir security-first)
cat >"$dir/sources.list.d/debian.sources" <<'EOF'
Types: deb
URIs: http://security.example/debian-security
Suites: bookworm-security
Components: main

Types: deb
URIs: http://release.example/debian
Suites: bookworm
Components: main
EOF
expect security-first http://release.example/debian

dir=$(apt_dir updates-only)
cat >"$dir/sources.list.d/debian.sources" <<'EOF'
Types: deb
URIs: http://updates.example/debian
Suites: bookworm-updates
Components: main
EOF
expect updates-only ""

# Source-only, disabled and main-less stanzas serve no binary packages of main.
dir=$(apt_dir skipped-stanzas)
cat >"$dir/sources.list.d/debian.sources" <<'EOF'
Types: deb-src
URIs: http://source.example/debian
Suites: bookworm
Components: main

Types: deb
URIs: http://disabled.example/debian
Suites: bookworm
Components: main
Enabled: no

Types: deb
URIs: http://contrib.example/debian
Suites: bookworm
Components: contrib non-free

Types: deb-src deb
URIs: http://both.example/debian
Suites: bookworm
Components: contrib main
EOF
expect skipped-stanzas http://both.example/debian

# Field names in any case, values folded over lines (a comment between them
# is no line of the value), the first of two URIs.
dir=$(apt_dir folded)
cat >"$dir/sources.list.d/debian.sources" <<'EOF'
types: deb
uris:
# the nearer mirror first
 http://first.example/debian
 http://second.example/debian
SUITES: bookworm
Components: main
EOF
expect folded http://first.example/debian

# The last stanza of a file ends with the file, even without a blank line.
dir=$(apt_dir file-ends-stanza)
printf 'Types: deb\nURIs: http://a.example/debian\nSuites: bookworm\nComponents: main' \
    >"$dir/sources.list.d/a.sources"
printf 'Types: deb\nURIs: http://b.example/debian\nSuites: bookworm\nComponents: main\n' \
    >"$dir/sources.list.d/b.sources"
expect file-ends-stanza http://a.example/debian

# One-line form: comments, deb-src, options, trailing comments, components.
dir=$(apt_dir one-line)
cat >"$dir/sources.list" <<'EOF'
# deb http://commented.example/debian bookworm main
deb-src http://source.example/debian bookworm main
deb http://contrib.example/debian bookworm contrib
deb http://updates.example/debian bookworm-updates main
deb [arch=amd64 signed-by=/usr/share/keyrings/k.gpg] http://release.example/debian bookworm contrib main # release
EOF
expect one-line http://release.example/debian

# sources.list comes before sources.list.d.
dir=$(apt_dir list-first)
echo 'deb http://list.example/debian bookworm main' >"$dir/sources.list"
echo 'deb http://dir.example/debian bookworm main' >"$dir/sources.list.d/other.list"
expect list-first http://list.example/debian

# Files apt does not read are not read here either.
dir=$(apt_dir disabled-files)
echo 'deb http://disabled.example/debian bookworm main' \
    >"$dir/sources.list.d/debian.list.disabled"
printf 'Types: deb\nURIs: http://disabled.example/debian\nSuites: bookworm\nComponents: main\n' \
    >"$dir/sources.list.d/debian.sources.save"
expect disabled-files ""

apt_dir empty >/dev/null
expect empty ""

[ $failures -eq 0 ] && echo "debian_mirror: all cases pass"
exit $((failures > 0))
