#!/usr/bin/env python3
"""Fails each system call of each file operation in turn, with each error, and checks
that nothing is lost: the file afterwards holds its old contents or its new ones (an
append: the old ones or the old plus one whole line), no temporary file is left beside
it, and a run that left the old contents told of a failure.

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
CATALOGUE = "suite-runtime/controls.json"


class Operation:
    """One operation: the file it changes, the files it starts with, the contents a sound
    run may leave there (the old ones first), and how it is run and tells of success."""

    def __init__(self, changed, prepared, sound, command, succeeded, armed_from_start=False):
        self.changed, self.prepared, self.sound = changed, prepared, sound
        self.command, self.succeeded, self.armed_from_start = command, succeeded, armed_from_start


def operations_of(operations, controls, first_library, second_library):
    def said_saved(finished):
        return finished.returncode == 0 and finished.stdout.strip() == "saved"

    def exited_well(finished):
        return finished.returncode == 0

    def registered(*libraries):
        """The catalogue as `controls register` writes it for these libraries."""
        with tempfile.TemporaryDirectory() as home:
            for library in libraries:
                subprocess.run([controls, "register", library], env=dict(os.environ, XDG_DATA_HOME=home),
                               check=True, capture_output=True)
            with open(os.path.join(home, CATALOGUE), "rb") as catalogue:
                return catalogue.read()

    old_catalogue = registered(first_library)
    return {
        "vornd saving vorno.txt": Operation(
            "vorno.txt", {"vorn.txt": NEW_NAMES, "vorno.txt": OLD_NAMES}, [OLD_NAMES, NEW_NAMES],
            lambda folder: [operations, "vorno", folder], said_saved),
        "grades appending a school": Operation(
            "schools.dt", {"schools.dt": OLD_SCHOOLS}, [OLD_SCHOOLS, OLD_SCHOOLS + NEW_SCHOOL_LINE],
            lambda folder: [operations, "school", folder], said_saved),
        "a text file of 32,766 records": Operation(
            "records.txt", {"records.txt": OLD_RECORDS}, [OLD_RECORDS, NEW_RECORDS],
            lambda folder: [operations, "records", folder], said_saved),
        "controls register": Operation(
            CATALOGUE, {CATALOGUE: old_catalogue}, [old_catalogue, registered(first_library, second_library)],
            lambda folder: [controls, "register", second_library], exited_well, armed_from_start=True),
    }


def run(interposer, operation, folder, fail_at, error):
    count_file = folder + ".count"
    environment = dict(os.environ,
                       LD_PRELOAD=interposer,
                       FAULT_FOLDER=folder,
                       FAULT_AT=str(fail_at),
                       FAULT_ERRNO=error,
                       FAULT_COUNT=count_file,
                       FAULT_ARMED="1" if operation.armed_from_start else "0",
                       XDG_DATA_HOME=folder,
                       QT_QPA_PLATFORM="offscreen",
                       ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":verify_asan_link_order=0")
    finished = subprocess.run(operation.command(folder), env=environment, capture_output=True, text=True,
                              timeout=120)
    if finished.returncode < 0 or finished.returncode > 1:
        sys.exit(f"call {fail_at} failing with {error} ended the operation with status {finished.returncode}:\n"
                 f"{finished.stderr}")
    with open(count_file) as counted:
        return operation.succeeded(finished), int(counted.read())


def prepare(folder, operation):
    for name, contents in operation.prepared.items():
        path = os.path.join(folder, name)
        os.makedirs(os.path.dirname(path), mode=0o700, exist_ok=True)
        with open(path, "wb") as out:
            out.write(contents)


def leftovers(folder, operation):
    """Files in the changed file's folder that were not there before."""
    changed = os.path.join(folder, operation.changed)
    beside = os.path.dirname(changed)
    expected = {os.path.basename(changed)} | {os.path.basename(name) for name in operation.prepared
                                              if os.path.dirname(os.path.join(folder, name)) == beside}
    return sorted(set(os.listdir(beside)) - expected)


def check(interposer, name, operation):
    """Runs every fault of one operation; gives the number of cases and the problems."""
    problems = []
    with tempfile.TemporaryDirectory() as work:
        clean = os.path.join(work, "clean")
        os.mkdir(clean)
        prepare(clean, operation)
        succeeded, calls = run(interposer, operation, clean, 0, "ENOSPC")
        with open(os.path.join(clean, operation.changed), "rb") as result:
            if not succeeded or calls == 0 or result.read() != operation.sound[-1]:
                return 0, [f"{name}: without faults it failed, made no calls or wrote other contents"]
        cases = [(fail_at, error) for fail_at in range(1, calls + 1) for error in ERRORS]
        for fail_at, error in cases:
            folder = os.path.join(work, f"{fail_at}-{error}")
            os.mkdir(folder)
            prepare(folder, operation)
            succeeded, _ = run(interposer, operation, folder, fail_at, error)
            where = f"{name}, call {fail_at} of {calls} failing with {error}"
            with open(os.path.join(folder, operation.changed), "rb") as result:
                contents = result.read()
            if contents not in operation.sound:
                problems.append(f"{where}: the file holds {len(contents)} bytes, neither the old nor the new")
            elif contents == operation.sound[0] and succeeded:
                problems.append(f"{where}: the old file stayed and it told of success")
            if left := leftovers(folder, operation):
                problems.append(f"{where}: left {', '.join(left)}")
    return len(cases), problems


def main():
    operations, controls, interposer, first_library, second_library = sys.argv[1:6]
    total = kept = 0
    for name, operation in operations_of(operations, controls, first_library, second_library).items():
        cases, problems = check(interposer, name, operation)
        failing = {problem.split(":")[0] for problem in problems}
        total += cases
        kept += cases - len(failing)
        print(f"{name}: {cases} injected faults, {cases - len(failing)} kept the old or the new contents")
        for problem in problems:
            print(f"  {problem}")
    print(f"In all: {total} injected faults, {kept} kept the old or the new contents")
    return 0 if total and kept == total else 1


if __name__ == "__main__":
    sys.exit(main())
