# Sourced by the scripts that try the project on a fresh Debian 12 made by debootstrap.
# Needs root and debootstrap. The archive's address comes from this machine's own apt sources,
# so no mirror is named here.

# The main Debian archive this machine installs from (not the security archive).
debian_mirror() {
    local sources=/etc/apt/sources.list.d/debian.sources
    if [[ ! -r $sources ]]; then
        echo "No $sources here: run this on a Debian 12 machine, whose apt sources name the archive." >&2
        return 1
    fi
    awk 'BEGIN { RS = "" }
         /(^|\n)Suites:[^\n]*bookworm([ \n]|$)/ && !/security/ {
             if (match($0, /(^|\n)URIs:[ \t]*[^ \t\n]+/)) {
                 uri = substr($0, RSTART, RLENGTH); sub(/^\n?URIs:[ \t]*/, "", uri); print uri; exit
             }
         }' "$sources"
}

# Makes a minimal Debian 12 in $1 unless one is there already.
make_debian_root() {
    local root=$1 mirror
    [[ -d $root/usr ]] && return 0
    mirror=$(debian_mirror) || return 1
    [[ -n $mirror ]] || { echo "No main Debian archive found in the apt sources." >&2; return 1; }
    debootstrap --variant=minbase bookworm "$root" "$mirror"
}
