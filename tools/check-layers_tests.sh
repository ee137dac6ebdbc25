#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# tools/check-layers over a tree with an include that runs upward, one that brings the
# test support into a program, and the includes that are allowed.
#   tools/check-layers_tests.sh <check-layers>
set -euo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/runtime/{base,forms,components/tests,testing} "$tree"/grades "$tree"/build/runtime/base
printf '#include "runtime/base/text.h"\n#include "runtime/forms/msgbox.h"\n' >"$tree/runtime/base/event.cpp"
printf '#include "runtime/base/text.h"\n#include "runtime/files/textfile.h"\n' >"$tree/runtime/forms/form.cpp"
printf '#include "runtime/tools/script.h"\n#include "runtime/testing/testing.h"\n' >"$tree/runtime/components/tests/host_tests.cpp"
printf '#include "runtime/forms/form.h"\n' >"$tree/runtime/testing/testing.h"
printf '#include "runtime/testing/testing.h"\n' >"$tree/grades/main.cpp"
printf '#include "runtime/forms/msgbox.h"\n' >"$tree/build/runtime/base/generated.cpp"

expected='grades/main.cpp:1: includes the test support, which only tests may
runtime/base/event.cpp:2: base/ includes forms/, a layer above it'
status=0
output=$("$check" "$tree") || status=$?
if [[ $status -ne 1 || $output != "$expected" ]]; then
    echo "check-layers said (status $status):"
    echo "$output"
    echo "expected (status 1):"
    echo "$expected"
    exit 1
fi
echo "check-layers caught the upward include and the test support in a program, and nothing else"
