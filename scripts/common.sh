# Shared by the run and test commands: installs what the build needs on Debian 12 and builds.
# Sourced, not run.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${VELMORO_BUILD_DIR:-$repo_root/build}

# Debian packages the build and the tests need. qt6-qpa-plugins carries the platform plugins
# (xcb for a desktop, offscreen for the headless tests), which qt6-base-dev does not pull in.
build_packages=(make g++ cmake libgtest-dev qt6-base-dev qt6-qpa-plugins libgeographiclib-dev)
# Hamlib's rotctl, so that the rotator-command test runs instead of skipping.
test_packages=(libhamlib-utils)

# Installs the packages that are not installed yet; as root, or through sudo.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q '^install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds into $build_dir with the given extra CMake arguments.
configure_and_build() {
    cmake -S "$repo_root" -B "$build_dir" "$@"
    cmake --build "$build_dir" --parallel "$(nproc)"
}
