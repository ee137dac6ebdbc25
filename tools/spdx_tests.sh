#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# tools/spdx over a small tree of its own: --check lists what lacks the licence's line and
# a file of an unknown kind; the rewrite puts the line first, after a shebang, an XML
# declaration or a manual page's preamble, keeps CR LF line ends, leaves data alone, and
# a second rewrite changes nothing.
#   tools/spdx_tests.sh <tools/spdx>
set -euo pipefail
spdx=$1
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
cd "$tree"
git init -q .
mkdir -p app/samples
printf '// A class.\n#pragma once\n' >app/thing.h
printf '#!/usr/bin/env bash\necho hi\n' >run
printf '<?xml version="1.0"?>\n<component/>\n' >info.xml.in
printf 'thing(1)\n\n# NAME\n' >thing.1.scd
printf 'add_library(thing)\r\n' >CMakeLists.txt
printf 'Smith John\r\n' >app/samples/names.txt
printf '{}\n' >data.json
printf 'odd\n' >notes.odd
git add .

faults=0
expect() {
    [[ $2 == "$3" ]] || { echo "$1: [$2], not [$3]"; faults=$((faults + 1)); }
}
listed=$("$spdx" --check "$tree") && expect "--check status" 0 1
expect "--check lists" "$listed" "CMakeLists.txt
app/thing.h
info.xml.in
notes.odd: no comment syntax known for this kind of file
run
thing.1.scd"
rm notes.odd && git rm -q --cached notes.odd
"$spdx" "$tree"
line=SPDX-License-Identifier:\ LGPL-2.1-or-later
expect thing.h "$(cat app/thing.h)" "// $line
// A class.
#pragma once"
expect run "$(cat run)" "#!/usr/bin/env bash
# $line
echo hi"
expect info.xml.in "$(sed -n 2p info.xml.in)" "<!-- $line -->"
expect thing.1.scd "$(sed -n 2p thing.1.scd)" "; $line"
expect CMakeLists.txt "$(tail -n1 CMakeLists.txt)" $'add_library(thing)\r'
expect "samples" "$(cat app/samples/names.txt)" $'Smith John\r'
expect "json" "$(cat data.json)" "{}"
before=$(git diff | md5sum)
"$spdx" "$tree"
expect "second rewrite" "$(git diff | md5sum)" "$before"
"$spdx" --check "$tree" || { echo "--check fails after the rewrite"; faults=$((faults + 1)); }
[[ $faults -eq 0 ]]
