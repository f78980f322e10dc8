# Shared by run.sh and test.sh: installs what is missing and builds.

# What the program needs; test.sh adds TEST_PACKAGES (clang and its runtime
# libraries build and run the fuzzers; the export tests read the files back
# with Python's parsers; the import tests read FET's sample schools and let
# fet-cl solve some).
PACKAGES=(g++ cmake ninja-build pkg-config coinor-libcbc-dev libpugixml-dev qt6-base-dev
          qt6-translations-l10n libgl-dev fonts-dejavu-core)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev dpkg-dev file appstream
               clang libclang-rt-14-dev clang-format xvfb xauth openbox libxcb1-dev
               poppler-utils python3 python3-icalendar python3-dateutil shared-mime-info fet fet-data)

# Root's commands: directly as root, otherwise through sudo.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# A deb-src entry for bookworm main where there is none, for apt-get source.
add_deb_src() {
  grep -rqsE '^deb-src|^Types:.*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/ && return 0
  echo "Adding a deb-src entry for bookworm"
  # Debian 12's own form, signed by the same key as its deb entry.
  printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: bookworm" \
    "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
    as_root tee /etc/apt/sources.list.d/velmor-deb-src.sources > /dev/null
  as_root apt-get update -qq
}

# install_missing [more packages...]: PACKAGES and the ones named.
install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  # As root apt-get runs directly; otherwise through sudo, which drops the
  # environment, so the frontend is passed on the command line.
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "Missing packages: ${missing[*]}; run as root or install sudo." >&2
      return 1
    fi
    sudo=(sudo)
  fi
  local apt=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get)
  local out
  if ! out=$("${apt[@]}" update -qq 2>&1) ||
     ! out=$("${apt[@]}" install -y -qq "${missing[@]}" 2>&1); then
    printf '%s\n' "$out" >&2
    echo "apt-get failed to install: ${missing[*]}" >&2
    return 1
  fi
}

# build DIR [cmake options...] [-- targets...]
build() {
  local dir=$1; shift
  local opts=() targets=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do opts+=("$1"); shift; done
  [ "${1:-}" = "--" ] && shift && targets=("$@")
  cmake -S . -B "$dir" -G Ninja "${opts[@]}" >/dev/null
  if [ ${#targets[@]} -gt 0 ]; then
    cmake --build "$dir" -j "$(nproc)" --target "${targets[@]}"
  else
    cmake --build "$dir" -j "$(nproc)"
  fi
}
