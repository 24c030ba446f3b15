#!/bin/bash
# install_deps_test.sh: the decisions of scripts/install-deps.sh, played against fake apt-get,
# dpkg, dpkg-query, sudo and id on a PATH that holds nothing else but basic tools.
set -uo pipefail
F="$(mktemp -d)" && export F && trap 'rm -rf "$F"' EXIT
mkdir -p "$F/bin" "$F/root/scripts" && cp "$(dirname "$0")/../../scripts/install-deps.sh" "$F/root/scripts/"
for tool in cat env grep mkdir mktemp mv rm sed sleep tee dirname; do ln -s "$(type -P $tool)" "$F/bin/"; done
fake() { printf '#!/bin/bash\n%s\n' "$2" >"$F/bin/$1" && chmod +x "$F/bin/$1"; }
fake id 'echo 1000'
fake sudo 'exec env -i PATH="$PATH" F="$F" SUDO_USER=sudo "$@"'  # as sudo's env_reset does
fake dpkg '[ "$1" = --print-foreign-architectures ] || echo "${SUDO_USER:-no sudo:} $*" >>"$F/calls"'
fake dpkg-query 'grep -qxF "${@: -1}" "$F/missing" && exit 1; echo "install ok installed"'
FETCH="E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
HELD="E: Unable to correct problems, you have held broken packages."
depends() { echo " $1 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"; }
fake apt-get "$(declare -p FETCH HELD; declare -f depends)"'
[ "$DEBIAN_FRONTEND" = noninteractive ] || echo -n "no DEBIAN_FRONTEND: " >>"$F/calls"
packages=$(printf "%s\n" "${@:2}" | grep -v "^-"); echo "${SUDO_USER:-no sudo:} $1" $packages >>"$F/calls"
if [ "$1" = update ]; then
  outcome=$(sed -n 1p "$F/updates") && sed -i 1d "$F/updates" && [ "$outcome" = fail ] && echo "$FETCH" && exit 100
elif broken=$(grep -xF "$packages" "$F/broken"); then
  depends "$broken" && echo "$HELD" && exit 100
fi
grep -vxF "$packages" "$F/missing" >"$F/left"; mv "$F/left" "$F/missing"'
failures=0
fail() { echo "FAIL - $*"; failures=$((failures + 1)); }
# On the fakes' PATH, a real apt tool is reached only by its own path or through command -p.
grep -nE '/(apt|apt-get|dpkg|dpkg-query|sudo|id)\b|command -p' "$F/root/scripts/install-deps.sh" &&
  fail "the install script can reach a real apt tool"

W32="install-deps.sh: wine32:i386 could not be installed ($(depends wine32:i386 | sed 's/^ //')): the shipped 32-bit build will not run under Wine here; the 64-bit build of the same sources will."
ARCH="sudo --add-architecture i386;sudo update"
# case | a new machine, or the last one again | missing | updates | not installable | argument |
#   exit status | what it says (stderr) | the apt calls in order, each through sudo
while IFS='|' read -r name machine missing updates broken argument status says calls; do
  [ "$machine" = again ] || { rm -rf "$F/root/build"; tr ' ' '\n' <<<"$missing" >"$F/missing"; }
  tr ' ' '\n' <<<"$updates" >"$F/updates" && tr ' ' '\n' <<<"$broken" >"$F/broken" && : >"$F/calls"
  said="$(PATH="$F/bin" TARVIC_APT_RETRY_DELAY=0 "$F/root/scripts/install-deps.sh" $argument 2>&1 >/dev/null)"
  got="$? | $(paste -sd';' <<<"$said") | $(paste -sd';' "$F/calls")" expected="$status | $says | $calls"
  [ "$got" = "$expected" ] && echo "ok   - $name" || fail "$name"$'\n     got:      '"$got"$'\n     expected: '"$expected"
done <<END
all present: no apt call|new|||||0||
an update failing once, then not|new|cmake|fail|||0||sudo update;sudo update;sudo install cmake
an update always failing for one index|new|cmake wine32:i386|fail fail fail|||0|install-deps.sh: apt-get update failed for some indexes; going on: $FETCH|$ARCH;sudo update;sudo update;sudo install cmake;sudo install wine32:i386
wine32:i386 not installable|new|wine32:i386||wine32:i386||0|$W32|$ARCH;sudo install wine32:i386
then a second run: no apt call, the same line|again|||wine32:i386||0|$W32|
--retry-wine32 tries again|again||||--retry-wine32|0||$ARCH;sudo install wine32:i386
a required package not installable|new|cmake osslsigncode wine32:i386||osslsigncode||1|install-deps.sh: could not install the required packages cmake osslsigncode:;$(depends osslsigncode);$HELD|$ARCH;sudo install cmake osslsigncode
END
exit $((failures > 0))
