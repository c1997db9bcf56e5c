#!/usr/bin/env bash
# Fetches Debian source packages of this Debian release; sourced by the build scripts.
#   source scripts/debian-source.sh
#   fetch_debian_source PACKAGE DEST_DIR [VERSION]
# or run directly: scripts/debian-source.sh PACKAGE DEST_DIR [VERSION]
# Unpacks the source package, Debian's patches applied, into DEST_DIR/PACKAGE-UPSTREAMVERSION.
# apt-get runs through an apt configuration of its own inside the cache
# (${ROMWEAVER_CACHE:-~/.cache/romweaver}/apt), so the machine's apt sources stay as they are.
# VERSION (e.g. the version of an installed binary package built from it) is tried first, then the
# versions the release has, newest first: a mirror may lack one (the one this was written on
# lacks the source of a zlib security update).

# deb-src lines for the suites of this release that the machine's apt uses (the release itself,
# -updates, -security), so security fixes are seen.
debian_source_lists() {
    local suite keyring=/usr/share/keyrings/debian-archive-keyring.gpg
    suite=$(. /etc/os-release && echo "$VERSION_CODENAME")
    # shellcheck disable=SC2016 # $(...) are apt's own format fields
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 2>/dev/null |
        awk -v suite="$suite" -v type="deb-src [signed-by=$keyring]" '
            function line(uri, release) { print type " " uri " " release " main" }
            $3 == "main" && ($2 == suite || $2 == suite "-updates" || $2 == suite "-security") &&
                !seen[$1 " " $2]++ { line($1, $2); found = 1 }
            END { if (!found) line("http://deb.debian.org/debian", suite) }'
}

# Reads versions, one a line, and prints them newest first in Debian's ordering.
debian_versions_newest_first() {
    local version sorted=() i
    while read -r version; do
        for i in "${!sorted[@]}"; do
            if dpkg --compare-versions "$version" gt "${sorted[i]}"; then
                sorted=("${sorted[@]:0:i}" "$version" "${sorted[@]:i}")
                continue 2
            fi
        done
        sorted+=("$version")
    done
    [ ${#sorted[@]} -eq 0 ] || printf '%s\n' "${sorted[@]}"
}

fetch_debian_source() {
    local package=$1 dest=$2 wanted=${3:-}
    local apt_dir=${ROMWEAVER_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/romweaver}/apt
    mkdir -p "$apt_dir"/etc/sources.list.d "$apt_dir"/etc/preferences.d \
        "$apt_dir"/state/lists/partial "$apt_dir"/cache/archives/partial "$dest"
    debian_source_lists >"$apt_dir/etc/sources.list"
    local apt_options=(
        -o Dir::Etc::SourceList="$apt_dir/etc/sources.list"
        -o Dir::Etc::SourceParts="$apt_dir/etc/sources.list.d"
        -o Dir::Etc::PreferencesParts="$apt_dir/etc/preferences.d"
        -o Dir::State="$apt_dir/state"
        -o Dir::Cache="$apt_dir/cache"
        -o APT::Sandbox::User=root
    )
    apt-get "${apt_options[@]}" update -qq
    local versions version
    versions=$({
        [ -z "$wanted" ] || echo "$wanted"
        apt-cache "${apt_options[@]}" madison "$package" |
            awk -F' *[|] *' '$3 ~ / Sources$/ { print $2 }' | debian_versions_newest_first
    } | awk '!seen[$0]++')
    for version in $versions; do
        (cd "$dest" && apt-get "${apt_options[@]}" source "$package=$version") && return 0
        echo "$package $version could not be fetched; trying the next version" >&2
    done
    echo "No source of $package could be fetched" >&2
    return 1
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    fetch_debian_source "$@"
fi
