#!/usr/bin/env bash
# SPDX-License-Identifier: LGPL-2.1-or-later
# benchmarks/report's table from canned results: names found past the run settings in
# them, medians preferred, a single run taken as its own median, counters, errors and
# missing results as "not measured", and start-up set against the captioned window.
#   report_tests.sh <benchmarks/report>
set -euo pipefail
report=$1
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

cat >"$results/names_benchmark.json" <<'JSON'
{"benchmarks": [
 {"name": "Load_mean", "run_name": "Load", "run_type": "aggregate", "aggregate_name": "mean",
  "real_time": 9.0, "time_unit": "ms", "list_kB": 9999},
 {"name": "Load_median", "run_name": "Load", "run_type": "aggregate", "aggregate_name": "median",
  "real_time": 4.214, "time_unit": "ms", "list_kB": 3584},
 {"name": "Save", "run_name": "Save", "run_type": "iteration", "real_time": 6120.0, "time_unit": "us"},
 {"name": "FindInWindow", "run_name": "FindInWindow", "run_type": "iteration", "error_occurred": true,
  "error_message": "the search did not find the one record"}
]}
JSON
cat >"$results/additem_benchmark.json" <<'JSON'
{"benchmarks": [
 {"name": "Indexed/iterations:1/repeats:7_median", "run_name": "Indexed/iterations:1/repeats:7",
  "run_type": "aggregate", "aggregate_name": "median", "real_time": 9.87, "time_unit": "ms"},
 {"name": "PlainScan/iterations:1/repeats:3_median", "run_name": "PlainScan/iterations:1/repeats:3",
  "run_type": "aggregate", "aggregate_name": "median", "real_time": 57614.2, "time_unit": "ms"}
]}
JSON
cat >"$results/paint_benchmark.json" <<'JSON'
{"benchmarks": [
 {"name": "Paint", "run_name": "Paint", "run_type": "iteration", "real_time": 412.0, "time_unit": "us"},
 {"name": "KeyToRepaint/Runtime", "run_name": "KeyToRepaint/Runtime", "run_type": "iteration", "real_time": 30.0, "time_unit": "us"},
 {"name": "KeyToRepaint/PlainWidget", "run_name": "KeyToRepaint/PlainWidget", "run_type": "iteration", "real_time": 20.0, "time_unit": "us"}
]}
JSON
cat >"$results/startup.json" <<'JSON'
{"benchmarks": [
 {"run_name": "startup/minimal_captioned_window/iterations:1/repeats:15/manual_time", "run_type": "aggregate",
  "aggregate_name": "median", "real_time": 100.0, "time_unit": "ms", "peak_kB": 40960},
 {"run_name": "startup/vornd/iterations:1/repeats:15/manual_time", "run_type": "aggregate",
  "aggregate_name": "median", "real_time": 104.0, "time_unit": "ms", "peak_kB": 51200},
 {"run_name": "startup/tesktest/iterations:1/repeats:15/manual_time", "run_type": "aggregate",
  "aggregate_name": "median", "real_time": 120.0, "time_unit": "ms", "peak_kB": 51200},
 {"run_name": "startup/tesktest-installed/iterations:1/repeats:15/manual_time", "run_type": "aggregate",
  "aggregate_name": "median", "real_time": 126.0, "time_unit": "ms", "peak_kB": 51200}
]}
JSON
cat >"$results/startup-instructions.txt" <<'TEXT'
program                      instructions  / minimal  / captioned
minimal_window                  200000000       1.00            -
minimal_captioned_window        250000000       1.25         1.00
vornd                           275000000       1.37         1.10
tesktest                        300000000       1.50         1.20
tesktest-installed              303000000       1.51         1.21
TEXT

table=$("$report" --table "$results")
expect() {
    grep -qxF -- "$1" <<<"$table" || { printf 'missing row:\n%s\nin:\n%s\n' "$1" "$table" >&2; exit 1; }
}
expect '| what | measured (median) | yardstick in the same run | goal | met? |'
expect '| `vorn.txt`, 32,766 records: load (`Load`) | 4.21 ms | — | ≤ 5 ms | yes |'
expect '| `vorn.txt`, 32,766 records: save (`Save`) | 6.12 ms | — | ≤ 5 ms | no |'
expect '| Find over 32,766 records through the window (`FindInWindow`) | not measured (the search did not find the one record) | the list'"'"'s own find, `FindOverAllRecords`: not measured | ≤ 2 ms | — |'
expect '| memory of the 32,766-record list (`Load`, `list_kB`) | 3.50 MB | — | ≤ 3 MB | no |'
expect '| solvane: 30,000 additions + 30,000 refusals (`Indexed`) | 9.87 ms | plain list scan, `PlainScan`: 57,614 ms | ≤ 10 ms | yes |'
expect '| the example level meter at 200 × 200 px: one frame drawn (`Paint`) | 0.412 ms | — | ≤ 1 ms | yes |'
expect '| the level meter: a key to its repaint (`KeyToRepaint/Runtime`) | 0.030 ms = 1.50 × yardstick | a plain widget drawing the same, `KeyToRepaint/PlainWidget`: 0.020 ms | ≤ 2 × yardstick | yes |'
expect '| pellix with 30,000 lines, to window shown (`ShowWithFile/30000`) | not measured | three-line file, `ShowWithFile/3`: not measured | ≤ 10 ms | — |'
expect '| vornd: start-up to window shown, time | 104 ms = 1.040 × yardstick | `minimal_captioned_window`: 100 ms | ≤ 1.05 × yardstick | yes |'
expect '| vornd: start-up to window shown, instructions | 275.0 M = 1.100 × yardstick | `minimal_captioned_window`: 250.0 M | ≤ 1.05 × yardstick | no |'
expect '| vornd: start-up to window shown, peak memory | 50.0 MB = 1.250 × yardstick | `minimal_captioned_window`: 40.0 MB | ≤ 1.05 × yardstick | no |'
expect '| grades: start-up to window shown, time | not measured | `minimal_captioned_window`: 100 ms | ≤ 1.05 × yardstick | — |'
expect '| tesktest installed, control from the system catalogue: start-up to window shown, time | 126 ms = 1.050 × yardstick | the build'"'"'s `tesktest`: 120 ms | ≤ 1.1 × yardstick | yes |'
expect '| tesktest installed, control from the system catalogue: start-up to window shown, instructions | 303.0 M = 1.010 × yardstick | the build'"'"'s `tesktest`: 300.0 M | ≤ 1.1 × yardstick | yes |'
echo "report's table: all rows as expected"
