# Sourced by the scripts that run Windows programs: a private Wine prefix under build/, a pinned locale,
# no Mono/Gecko prompts, and a display (a private Xvfb when none is set).
#
# The prefix is 64-bit: this machine's kernel runs no 32-bit processes, so the Windows test tiers run the
# 64-bit build of the library (see README, "Testing").

: "${CHOOSER_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
export WINEPREFIX="${WINEPREFIX:-$CHOOSER_ROOT/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=C.UTF-8 LC_ALL=C.UTF-8
if [ -x /usr/lib/wine/wine64 ]; then WINE=/usr/lib/wine/wine64; else WINE=$(command -v wine64 || command -v wine); fi
WINESERVER=/usr/lib/wine/wineserver; [ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver)
export WINE WINESERVER

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
