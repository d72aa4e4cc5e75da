# Shared by run-demo.sh and run-tests.sh (sourced, not run): installs the Debian 12 packages the
# build needs when some are missing, and builds the project (Release) into build/.

# clang and its runtime libraries build the fuzz targets (libFuzzer and the sanitizers);
# valgrind counts the performance check's instructions.
VELMORA_PACKAGES=(build-essential cmake ninja-build qt6-base-dev libgtest-dev libbenchmark-dev
                  fonts-ipafont-gothic fonts-noto-cjk qt6-translations-l10n
                  clang libclang-rt-14-dev valgrind)

velmora_install_packages() {
    local missing=()
    local package
    for package in "${VELMORA_PACKAGES[@]}"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

# Builds the given targets, or everything when none is given.
velmora_build() {
    local generator=()
    # An existing build folder keeps the generator it was made with.
    [ -f build/CMakeCache.txt ] || generator=(-G Ninja)
    # A developer's ccache, when there is one, makes rebuilds of unchanged files free.
    local launcher=()
    command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
    local targets=()
    [ "$#" -eq 0 ] || targets=(--target "$@")
    cmake --build build -j2 "${targets[@]}"
}
