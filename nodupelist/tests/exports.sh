#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# libsolvane.so exports its four entry points and, of its own functions, nothing else;
# the toolkit's two plugin metadata functions carry its version block.
set -euo pipefail
library=$1

mapfile -t defined < <(nm -D --defined-only "$library" | awk '{ print $3 }' | sort)
expected=(DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer
          qt_plugin_instance qt_plugin_query_metadata_v2)
if [[ "${defined[*]}" != "${expected[*]}" ]]; then
    echo "FAILED: $library defines [${defined[*]}], expected [${expected[*]}]" >&2
    exit 1
fi
for name in DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer; do
    nm -D --defined-only "$library" | grep -qE "^[0-9a-f]+ T $name\$" \
        || { echo "FAILED: $name is not a function of $library" >&2; exit 1; }
done
echo "libsolvane.so exports: passed"
