#!/bin/sh
# Runs a test program, and every program it starts, on an X server of its own.
#
# The X keyboard library under Qt's X platform copies the server's names,
# which end without a NUL, with strndup: correct, but AddressSanitizer's
# strict_string_checks report it as a read overflow before a window exists.
# Those checks stay on everywhere else.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
export ASAN_OPTIONS
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
