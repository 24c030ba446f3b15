# Sourced by the check of the shipped 32-bit program. Makes 32-bit Wine startable: natively where
# the kernel runs 32-bit Linux programs, otherwise through qemu's user-mode emulation registered
# with binfmt_misc (root only). wine32_ready returns non-zero when neither works; wine32_release
# removes a registration that wine32_ready made, so that no later 32-bit program is emulated.
WINE32_REGISTERED=""

wine32_ready() {
  local loader=/usr/lib/wine/wine misc=/proc/sys/fs/binfmt_misc
  [ -x "$loader" ] || return 1
  if "$loader" --version >/dev/null 2>&1; then return 0; fi
  [ -x /usr/bin/qemu-i386-static ] || return 1
  [ -e "$misc/register" ] || mount -t binfmt_misc binfmt_misc "$misc" 2>/dev/null || return 1
  if [ ! -e "$misc/tarvic-i386" ]; then
    printf '%s' ':tarvic-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      >"$misc/register" 2>/dev/null || return 1
    WINE32_REGISTERED="$misc/tarvic-i386"
  fi
  "$loader" --version >/dev/null 2>&1
}

wine32_release() {
  if [ -n "$WINE32_REGISTERED" ] && [ -e "$WINE32_REGISTERED" ]; then
    echo -1 >"$WINE32_REGISTERED"
  fi
  WINE32_REGISTERED=""
}
