# Sourced by scripts/run and scripts/test: makes sure the Debian packages the
# build needs are installed. As root they are installed with apt-get; as
# anyone else the exact command is printed and the script stops.

WEFTARA_PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev   # Qt 6 Widgets, PrintSupport, Test
    qt6-image-formats-plugins                   # WebP and TIFF pictures
    libheif-dev                                 # HEIC/HEIF pictures
    fonts-noto-cjk                              # Japanese captions and text
    libbenchmark-dev                            # the benchmark in bench/
    desktop-file-utils appstream                # validating the desktop entry and the metainfo
    poppler-utils                               # pdftoppm: the print tests render their PDF pages
    clang libclang-rt-14-dev                    # the fuzz targets in fuzz/ (libFuzzer)
)

weftara_missing_packages() {
    local pkg missing=()
    for pkg in "${WEFTARA_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    echo "${missing[@]}"
}

weftara_ensure_packages() {
    local missing
    missing=$(weftara_missing_packages "$@")
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: $missing"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        # shellcheck disable=SC2086
        apt-get install -y -qq --no-install-recommends $missing
    else
        echo "These packages are missing. Install them with:"
        echo "  sudo apt-get update && sudo apt-get install -y $missing"
        exit 1
    fi
}
