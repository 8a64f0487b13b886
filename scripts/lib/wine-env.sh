# Sourced by the scripts that run Windows programs: a private Wine prefix under build/, a pinned locale,
# no Mono/Gecko prompts, and a display (a private Xvfb when none is set).
#
# The prefix is 64-bit. CHOOSER_WINE_ARCH=32 (the 32-bit tier) picks the Wine folder of
# scripts/lib/wine32-root, whose wine64 starts 32-bit programs under qemu-i386, and a prefix of its own;
# WINE_SYSTEM_DIR is then syswow64, where the 32-bit regsvr32 and cscript live. Without it the tiers run
# the 64-bit build of the library natively (this machine's kernel runs no 32-bit code).

: "${CHOOSER_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
export CHOOSER_WINE_ARCH="${CHOOSER_WINE_ARCH:-64}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8 LC_ALL=C.UTF-8
if [ "$CHOOSER_WINE_ARCH" = 32 ]; then
  export WINEPREFIX="${WINEPREFIX:-$CHOOSER_ROOT/build/wineprefix32}"
  WINE=$CHOOSER_ROOT/build/i386/wine/lib/wine/wine64
  WINE_SYSTEM_DIR='C:\windows\syswow64'
else
  export WINEPREFIX="${WINEPREFIX:-$CHOOSER_ROOT/build/wineprefix}"
  if [ -x /usr/lib/wine/wine64 ]; then WINE=/usr/lib/wine/wine64; else WINE=$(command -v wine64 || command -v wine); fi
  WINE_SYSTEM_DIR='C:\windows\system32'
fi
WINESERVER=/usr/lib/wine/wineserver; [ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
export WINE WINESERVER WINE_SYSTEM_DIR

# The Windows path of a Linux file or folder (through Wine's Z: drive), for the programs run under Wine.
wine_path() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }

# Makes the prefix once; later calls cost nothing. Without a window manager a closed dialog lingers
# unless the X11 driver leaves windows unmanaged.
wine_prefix_ready() {
  [ -f "$WINEPREFIX/.chooser10-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  "$WINESERVER" -w 2>/dev/null || true
  touch "$WINEPREFIX/.chooser10-ready"
}

# Runs "$@" with a display: the caller's, or a private Xvfb with a fixed screen size.
wine_with_display() {
  if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a -s "-screen 0 1280x1024x24" "$@"; fi
}
