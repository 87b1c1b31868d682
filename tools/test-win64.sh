#!/usr/bin/env bash
# The 64-bit Windows modules (vaprop64.dll, vaprop67x64.dll, vapxl64.xll, vapmcad64.dll) built in
# build-win64/ and tested under wine64: tools/test-win32.sh 64.
exec "$(dirname "$0")/test-win32.sh" 64
