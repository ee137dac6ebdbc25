#!/usr/bin/env python3
# SPDX-License-Identifier: LGPL-2.1-or-later
"""Fails each system call of each file operation in turn, with each error, and checks
that nothing is lost: the file afterwards holds its old contents or its new ones (an
append: the old ones or the old plus one whole line), no temporary file is left beside
it, and a run that left the old contents told of a failure. A folder's listing is
whole, or told of a failure.

usage: check.py <operations program> <controls program> <interposer> <library> <library>
"""
import os
import subprocess
import sys
import tempfile

ERRORS = ["ENOSPC", "EIO", "EACCES"]

OLD_NAMES = b"Old Name\r\nAnother Old\r\n"
NEW_NAMES = b"Ann Archer\r\nBen Baker\r\nCid Carter\r\n"
OLD_SCHOOLS = b"Southern College;Maths,Physics;South\r\n"
NEW_SCHOOL_LINE = b"Northern College;Arts,Law;North\r\n"
OLD_RECORDS = b"Only Record\r\n"
NEW_RECORDS = b"".join(b"Name%d Family%d\r\n" % (n, n) for n in range(1, 32767))
CATALOGUE = "desktop-suite/controls.json"
FORMER_CATALOGUE = "suite-runtime/controls.json"
DATA_FILES = [f"class{number:02}.dt" for number in range(1, 13)]


class Operation:
    """One operation: the files it starts with, how it is run, whether it is counted from
    the start of the process or only from where the operations program arms the count,
    and what a run must have left, given what it said and the folder."""

    def __init__(self, prepared, command, problem, armed_from_start=False):
        self.prepared, self.command, self.problem = prepared, command, problem
        self.armed_from_start = armed_from_start


def contents_of(folder, name):
    with open(os.path.join(folder, name), "rb") as file:
        return file.read()


def old_or_new(changed, old, new):
    """A file replaced or appended to: its old contents, told of a failure, or its new ones."""

    def problem(said, folder):
        contents = contents_of(folder, changed)
        if contents not in (old, new):
            return f"{changed} holds {len(contents)} bytes, neither the old nor the new contents"
        if contents == old and said[0] != "failed":
            return f"{changed} kept its old contents and the operation said {said[0]}"
        if said[0] == "succeeded" and contents != new:
            return f"{changed} did not get its new contents"
        return None

    return problem


def moved_whole(old, new):
    """The user's catalogue moved from its former place by a change: the former file keeps
    the old contents, told of a failure, or the new file holds all the new ones; nothing
    else is left in the new file's folder."""

    def problem(said, folder):
        new_there = os.path.exists(os.path.join(folder, CATALOGUE))
        if new_there and contents_of(folder, CATALOGUE) != new:
            return f"{CATALOGUE} holds neither nothing nor the whole new catalogue"
        if not new_there:
            if not os.path.exists(os.path.join(folder, FORMER_CATALOGUE)):
                return "the catalogue is gone from both places"
            if contents_of(folder, FORMER_CATALOGUE) != old:
                return f"{FORMER_CATALOGUE} lost its old contents"
            if said[0] != "failed":
                return f"{CATALOGUE} was not written and the operation said {said[0]}"
        beside = os.path.dirname(os.path.join(folder, CATALOGUE))
        if os.path.isdir(beside) and (left := sorted(set(os.listdir(beside)) - {"controls.json"})):
            return f"left {', '.join(left)} beside {CATALOGUE}"
        return None

    return problem


def whole_listing(said, folder):
    if said[0] == "succeeded" and said[1:] != DATA_FILES:
        return f"{len(said) - 1} of {len(DATA_FILES)} files listed as if that were all"
    return None


def operations_of(operations, controls, first_library, second_library):
    def registered(*libraries):
        """The catalogue as `controls register` writes it for these libraries."""
        with tempfile.TemporaryDirectory() as home:
            for library in libraries:
                subprocess.run([controls, "register", library], env=dict(os.environ, XDG_DATA_HOME=home),
                               check=True, capture_output=True)
            return contents_of(home, CATALOGUE)

    old_catalogue = registered(first_library)
    return {
        "vornd saving vorno.txt": Operation(
            {"vorn.txt": NEW_NAMES, "vorno.txt": OLD_NAMES}, lambda folder: [operations, "vorno", folder],
            old_or_new("vorno.txt", OLD_NAMES, NEW_NAMES)),
        "grades appending a school": Operation(
            {"schools.dt": OLD_SCHOOLS}, lambda folder: [operations, "school", folder],
            old_or_new("schools.dt", OLD_SCHOOLS, OLD_SCHOOLS + NEW_SCHOOL_LINE)),
        "a text file of 32,766 records": Operation(
            {"records.txt": OLD_RECORDS}, lambda folder: [operations, "records", folder],
            old_or_new("records.txt", OLD_RECORDS, NEW_RECORDS)),
        "controls register": Operation(
            {CATALOGUE: old_catalogue}, lambda folder: [controls, "register", second_library],
            old_or_new(CATALOGUE, old_catalogue, registered(first_library, second_library)),
            armed_from_start=True),
        "controls register moving the catalogue": Operation(
            {FORMER_CATALOGUE: old_catalogue}, lambda folder: [controls, "register", second_library],
            moved_whole(old_catalogue, registered(first_library, second_library)),
            armed_from_start=True),
        "quenta listing the .dt files": Operation(
            {name: b"" for name in DATA_FILES}, lambda folder: [operations, "list", folder], whole_listing),
    }


def run(interposer, operation, folder, fail_at, error):
    """Runs the operation with call `fail_at` failing; gives what it said, as words (the
    first one "succeeded" or "failed"), and how many calls were counted."""
    environment = dict(os.environ,
                       LD_PRELOAD=interposer,
                       FAULT_FOLDER=folder,
                       FAULT_AT=str(fail_at),
                       FAULT_ERRNO=error,
                       FAULT_COUNT=folder + ".count",
                       FAULT_ARMED="1" if operation.armed_from_start else "0",
                       XDG_DATA_HOME=folder,
                       QT_QPA_PLATFORM="offscreen",
                       ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0")
    finished = subprocess.run(operation.command(folder), env=environment, capture_output=True, text=True,
                              timeout=120)
    if finished.returncode not in (0, 1):
        sys.exit(f"call {fail_at} failing with {error} ended the operation with status {finished.returncode}:\n"
                 f"{finished.stderr}")
    # controls tells by its exit status, the operations program by its first word.
    said = finished.stdout.split() if finished.returncode == 0 else ["failed"]
    if not said or said[0] not in ("succeeded", "failed"):
        said = ["succeeded"] + said
    with open(folder + ".count") as counted:
        return said, int(counted.read())


def prepare(folder, operation):
    os.mkdir(folder)
    for name, contents in operation.prepared.items():
        path = os.path.join(folder, name)
        os.makedirs(os.path.dirname(path), mode=0o700, exist_ok=True)
        with open(path, "wb") as out:
            out.write(contents)


def leftovers(folder, operation):
    """Files that were not there before, in any folder the operation started with."""
    left = []
    for beside in {os.path.dirname(os.path.join(folder, name)) for name in operation.prepared}:
        # A folder the operation emptied may go with its last file.
        for name in os.listdir(beside) if os.path.isdir(beside) else []:
            if os.path.relpath(os.path.join(beside, name), folder) not in operation.prepared:
                left.append(name)
    return sorted(left)


def check(interposer, name, operation):
    """Runs every fault of one operation; gives the number of cases and their problems."""
    problems = []
    with tempfile.TemporaryDirectory() as work:
        clean = os.path.join(work, "clean")
        prepare(clean, operation)
        said, calls = run(interposer, operation, clean, 0, "ENOSPC")
        if said[0] != "succeeded" or calls == 0 or operation.problem(said, clean):
            return 0, [f"{name}: without faults it said {' '.join(said)} after {calls} calls"]
        cases = [(fail_at, error) for fail_at in range(1, calls + 1) for error in ERRORS]
        for fail_at, error in cases:
            folder = os.path.join(work, f"{fail_at}-{error}")
            prepare(folder, operation)
            said, _ = run(interposer, operation, folder, fail_at, error)
            found = [operation.problem(said, folder)]
            if left := leftovers(folder, operation):
                found.append(f"left {', '.join(left)}")
            problems += [f"{name}, call {fail_at} of {calls} failing with {error}: {problem}"
                         for problem in found if problem]
    return len(cases), problems


def main():
    operations, controls, interposer, first_library, second_library = sys.argv[1:6]
    total = kept = 0
    for name, operation in operations_of(operations, controls, first_library, second_library).items():
        cases, problems = check(interposer, name, operation)
        failing = len({problem.split(": ")[0] for problem in problems})
        total += cases
        kept += cases - failing
        print(f"{name}: {cases} injected faults, {cases - failing} handled soundly")
        for problem in problems:
            print(f"  {problem}")
    print(f"In all: {total} injected faults, {kept} handled soundly")
    return 0 if total and kept == total else 1


if __name__ == "__main__":
    sys.exit(main())
