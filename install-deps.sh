#!/usr/bin/env bash
# Installs, from Debian's packages, whatever building xmlattr needs and this machine lacks:
# the compiler, CMake, GoogleTest and the tool's libraries (expat, CLI11, nlohmann-json), and
# help2man for the tool's manual page. Where you are not root it asks before using sudo.
#
#   ./install-deps.sh            what the README's two commands need
#   ./install-deps.sh --docs     also doxygen, for the reference documentation
#   ./install-deps.sh --bench    also Google Benchmark, for the release preset's benchmarks
#   ./install-deps.sh --ci       everything .ci/run uses (sanitizers, docs, the Windows leg,
#                                the language server's client tests)
#   --yes                        install without asking (CI, scripts)
set -euo pipefail

needed=(cmake g++ pkgconf libgtest-dev libgmock-dev libexpat1-dev libcli11-dev nlohmann-json3-dev
        help2man)
docs=(doxygen)
bench=(libbenchmark-dev)
# The language server's client tests: headless Neovim, and Node with npm for the protocol
# package pinned in tools/xmlattr/lsp/clients/node/package-lock.json (Node from Debian only
# where no node and npm are on the PATH: a Node installed otherwise conflicts with Debian's npm).
ci=(clang libclang-rt-14-dev python3 neovim "${docs[@]}")
node=(nodejs npm)
# The Windows leg's cross compiler and Wine: .ci/windows skips, saying why, without them.
windows=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine64)

ask=yes
with_windows=""
with_node=""
for argument in "$@"; do
  case "$argument" in
    --yes | -y) ask="" ;;
    --docs) needed+=("${docs[@]}") ;;
    --bench) needed+=("${bench[@]}") ;;
    --ci) needed+=("${ci[@]}") with_windows=yes with_node=yes ;;
    -h | --help) sed -n '2,11s/^# \{0,1\}//p' "$0"; exit 0 ;;
    *) echo "install-deps.sh: unknown option $argument (see --help)" >&2; exit 2 ;;
  esac
done

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg >/dev/null 2>&1; then
  echo "install-deps.sh: this script installs Debian packages with apt-get; on another system" \
       "install the equivalents of: ${needed[*]}" >&2
  exit 1
fi

missing() {
  for package in "$@"; do
    dpkg -s "$package" >/dev/null 2>&1 || echo "$package"
  done
}

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

# Whether to go on: root, or --yes, needs no question; otherwise a person answers at a terminal.
confirm() {
  [ -n "$sudo" ] && [ -n "$ask" ] || return 0
  if [ ! -t 0 ]; then
    echo "install-deps.sh: would run 'sudo apt-get install $*'; run it from a terminal to" \
         "answer, or pass --yes" >&2
    return 1
  fi
  read -r -p "Install with sudo apt-get: $*? [y/N] " answer
  [[ "$answer" =~ ^[Yy] ]]
}

updated=""
install() {
  echo "installing: $*"
  [ -n "$updated" ] || $sudo apt-get update -q
  updated=yes
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "$@"
}

mapfile -t absent < <(missing "${needed[@]}")
if [ ${#absent[@]} -gt 0 ]; then
  confirm "${absent[@]}" || { echo "nothing installed" >&2; exit 1; }
  install "${absent[@]}"
fi

if [ -n "$with_windows" ]; then
  mapfile -t absent < <(missing "${windows[@]}")
  if [ ${#absent[@]} -gt 0 ]; then
    # Wine's recommended packages (fonts, sound, graphics) are not needed for console tests.
    { confirm "${absent[@]}" && install --no-install-recommends "${absent[@]}"; } ||
      echo "could not install ${absent[*]}: the Windows leg will be skipped" >&2
  fi
fi
if [ -n "$with_node" ]; then
  if ! command -v node >/dev/null 2>&1 || ! command -v npm >/dev/null 2>&1; then
    mapfile -t absent < <(missing "${node[@]}")
    { [ ${#absent[@]} -eq 0 ] || { confirm "${absent[@]}" && install "${absent[@]}"; }; } ||
      echo "could not install ${absent[*]}: the Node client test will be skipped" >&2
  fi
  # The Node client test's package, exactly as locked.
  npm ci --no-audit --no-fund --prefix "$(dirname "$0")/tools/xmlattr/lsp/clients/node" ||
    echo "could not install the protocol package: the Node client test will be skipped" >&2
fi
exit 0
