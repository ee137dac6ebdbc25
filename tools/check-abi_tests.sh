#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# tools/check-abi over a small library laid out as the runtime is: a baseline recorded
# from it, then the library rebuilt with one planted change at a time.
#   tools/check-abi_tests.sh <check-abi>
set -euo pipefail
check=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/runtime/{forms,components}

cat >"$tree/runtime/forms/shape.h" <<'EOF'
#pragma once
#define RUNTIME_EXPORT __attribute__((visibility("default")))
class RUNTIME_EXPORT Shape {
public:
    Shape();
    int area() const;
#ifdef PUBLIC_MEMBER
    int added = 0;
#endif
private:
    int side_ = 2;
};
#ifdef ARGUMENT_TYPE
RUNTIME_EXPORT int scaled(long factor);
#else
RUNTIME_EXPORT int scaled(int factor);
#endif
#ifdef NEW_FUNCTION
RUNTIME_EXPORT int doubled(int value);
#endif
#ifdef REMOVED_FUNCTION
#else
RUNTIME_EXPORT int halved(int value);
#endif
EOF
cat >"$tree/runtime/components/helper_p.h" <<'EOF'
#pragma once
#define RUNTIME_PRIVATE_EXPORT __attribute__((visibility("default")))
namespace runtime {
struct RUNTIME_PRIVATE_EXPORT Helper {
    int first = 0;
#ifdef PRIVATE_MEMBER
    int second = 0;
#endif
#ifdef PRIVATE_METHOD
    long sum(int more) const;
#else
    int sum() const;
#endif
};
#ifdef PRIVATE_ARGUMENT
RUNTIME_PRIVATE_EXPORT int helped(long value);
#else
RUNTIME_PRIVATE_EXPORT int helped(int value);
#endif
}
EOF
cat >"$tree/runtime/components/shape.cpp" <<'EOF'
#include "runtime/components/helper_p.h"
#include "runtime/forms/shape.h"
Shape::Shape() = default;
int Shape::area() const { return side_ * side_; }
#ifdef ARGUMENT_TYPE
int scaled(long factor) { return int(2 * factor); }
#else
int scaled(int factor) { return 2 * factor; }
#endif
#ifdef NEW_FUNCTION
int doubled(int value) { return 2 * value; }
#endif
#ifndef REMOVED_FUNCTION
int halved(int value) { return value / 2; }
#endif
namespace runtime {
#ifdef PRIVATE_METHOD
long Helper::sum(int more) const { return first + more; }
#else
int Helper::sum() const { return first; }
#endif
#ifdef PRIVATE_ARGUMENT
int helped(long value) { return int(value); }
#else
int helped(int value) { return value; }
#endif
}
EOF

build() {
    g++ -g -fPIC -shared -fvisibility=hidden -ffile-prefix-map="$tree/=" -I"$tree" -Wl,-soname,"$1" \
        ${2:+-D$2} "$tree/runtime/components/shape.cpp" -o "$tree/libshape.so"
}

failures=0
# expect <plant> <exit status> <last line's start>
expect() {
    build libshape.so.0 "$1"
    local status=0 output
    output=$("$check" "$tree/shape.abi.xz" "$tree/libshape.so" "$tree" 2>&1) || status=$?
    local verdict=${output##*$'\n'}
    if [[ $status -ne $2 || $verdict != "$tree/libshape.so $3"* ]]; then
        echo "with ${1:-no change}: status $status (expected $2), said: $verdict"
        failures=$((failures + 1))
    fi
}

build libshape.so.0 ""
"$check" --record "$tree/shape.abi.xz" "$tree/libshape.so" "$tree" >/dev/null

expect "" 0 "keeps the interface"
expect PUBLIC_MEMBER 1 "changes the interface"
expect ARGUMENT_TYPE 1 "changes the interface"
expect REMOVED_FUNCTION 1 "changes the interface"
expect NEW_FUNCTION 0 "adds to the interface"
expect PRIVATE_MEMBER 0 "keeps the interface"
expect PRIVATE_ARGUMENT 0 "keeps the interface"
expect PRIVATE_METHOD 0 "keeps the interface"

# A change that breaks the interface is recorded only under a new SONAME.
build libshape.so.0 PUBLIC_MEMBER
if "$check" --record "$tree/shape.abi.xz" "$tree/libshape.so" "$tree" >/dev/null 2>&1; then
    echo "recorded a breaking change under the same SONAME"
    failures=$((failures + 1))
fi
build libshape.so.1 PUBLIC_MEMBER
"$check" --record "$tree/shape.abi.xz" "$tree/libshape.so" "$tree" >/dev/null || {
    echo "refused to record a breaking change under a new SONAME"
    failures=$((failures + 1))
}

[[ $failures -eq 0 ]] || exit 1
echo "check-abi failed on every breaking change, passed an addition, and ignored the private interface"
