#!/usr/bin/env python3
"""Plants faults in the program one at a time, runs the test suite against
each, and reports the faults that no test catches.

    scripts/plant-faults.py [--jobs N] [--only ID,ID] [--tests REGEX] [FAULT FILE ...]
    scripts/plant-faults.py --check     (every fault still finds its lines; no build)

A fault file (scripts/faults/*.txt by default) holds faults like this one:

    ## dev-mark-3sd  src/pages/DevMark.cpp  three arrows need more than 3 SD
    -        if (step.multiple > 0 ? dev > bound : dev < bound) return step.mark;
    +        if (step.multiple > 0 ? dev >= bound : dev < bound) return step.mark;

The "-" lines must occur exactly once in the file; they are replaced by the
"+" lines (none: the lines are deleted). Each fault is planted in a copy of
the tree of its own (git worktree), built without sanitizers, and the suite
(CTest, the fuzz run included unless --tests says otherwise) runs against it.
A fault is caught when the build fails or a test fails.
"""

import argparse
import concurrent.futures
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent


class Fault:
    def __init__(self, ident, path, what, old, new, origin):
        self.ident, self.path, self.what, self.old, self.new, self.origin = ident, path, what, old, new, origin

    def planted(self, text):
        """`text` with the fault planted, or None when its lines are not there exactly once."""
        old, new = "\n".join(self.old) + "\n", "\n".join(self.new) + ("\n" if self.new else "")
        return text.replace(old, new) if text.count(old) == 1 else None


def read_faults(files):
    faults = []
    for name in files:
        current = None
        for number, line in enumerate(pathlib.Path(name).read_text(encoding="utf-8").splitlines(), 1):
            if line.startswith("## "):
                parts = line[3:].split(None, 2)
                if len(parts) < 2:
                    sys.exit(f"{name}:{number}: a fault begins '## id path what'")
                current = Fault(parts[0], parts[1], parts[2] if len(parts) > 2 else "", [], [], f"{name}:{number}")
                faults.append(current)
            elif current and line.startswith("-"):
                current.old.append(line[1:])
            elif current and line.startswith("+"):
                current.new.append(line[1:])
    seen = set()
    for f in faults:
        if f.ident in seen:
            sys.exit(f"{f.origin}: fault {f.ident} named twice")
        seen.add(f.ident)
        if not f.old:
            sys.exit(f"{f.origin}: fault {f.ident} has no '-' lines")
    return faults


def check(faults):
    """A fault whose lines the code no longer holds exactly once plants nothing."""
    stale = []
    for f in faults:
        path = ROOT / f.path
        if not path.is_file() or f.planted(path.read_text(encoding="utf-8")) is None:
            stale.append(f)
    for f in stale:
        print(f"not found once: {f.ident} ({f.path}) [{f.origin}]")
    print(f"{len(faults)} faults, {len(stale)} not found once in the code")
    return 1 if stale else 0


def run(cmd, cwd, env=None, timeout=None):
    return subprocess.run(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout)


class Workspace:
    """A worktree of HEAD with its own build folder, reused fault after fault."""

    def __init__(self, base, index):
        self.tree = base / f"tree{index}"
        run(["git", "worktree", "add", "--detach", "-f", str(self.tree), "HEAD"], ROOT)
        # Uncommitted changes of the working copy count too.
        diff = run(["git", "diff", "HEAD", "--binary"], ROOT).stdout
        if diff:
            subprocess.run(["git", "apply", "-"], cwd=self.tree, input=diff, text=True, check=True)
        self.build = self.tree / "build" / "faults"
        configure = run(["cmake", "-S", ".", "-B", str(self.build), "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                         "-DVELTRANE_BENCH=OFF"], self.tree)
        if configure.returncode:
            sys.exit(configure.stdout)

    def build_and_test(self, tests, jobs):
        built = run(["cmake", "--build", str(self.build), "-j", str(jobs)], self.tree)
        if built.returncode:
            return "build fails", []
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        # The check of the fault lists fails in every planted tree (the
        # planted fault no longer finds its own lines): it catches nothing.
        cmd = ["ctest", "-j", str(jobs), "--timeout", "300", "-E", "^FaultLists\\."]
        if tests:
            cmd += ["-R", tests]
        result = run(cmd, self.build, env)
        # A selection that matches nothing must not pass for a surviving fault.
        if "No tests were found" in result.stdout:
            sys.exit(f"no test matches the selection: {' '.join(cmd)}")
        failed = re.findall(r"^\s*\d+ - (\S+) \(", result.stdout, re.M)
        return ("caught" if result.returncode else "survives"), failed

    def plant(self, fault):
        path = self.tree / fault.path
        text = path.read_text(encoding="utf-8")
        planted = fault.planted(text)
        if planted is None:
            return None, text
        path.write_text(planted, encoding="utf-8")
        return path, text

    def remove(self):
        run(["git", "worktree", "remove", "--force", str(self.tree)], ROOT)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("files", nargs="*")
    parser.add_argument("--jobs", type=int, default=2, help="faults tried at once")
    parser.add_argument("--only", default="", help="comma-separated fault ids")
    parser.add_argument("--tests", default="", help="CTest regular expression (default: every test)")
    parser.add_argument("--check", action="store_true", help="only check that every fault finds its lines once")
    args = parser.parse_args()

    files = args.files or sorted(str(p) for p in (ROOT / "scripts" / "faults").glob("*.txt"))
    faults = read_faults(files)
    if args.check:
        return check(faults)
    if args.only:
        wanted = set(args.only.split(","))
        faults = [f for f in faults if f.ident in wanted]
    if not faults:
        sys.exit("no faults to plant")

    base = pathlib.Path(tempfile.mkdtemp(prefix="veltrane-faults-"))
    cores = os.cpu_count() or 2
    per_job = max(1, cores // args.jobs)
    workspaces = [Workspace(base, i) for i in range(args.jobs)]
    # Build every workspace once, unplanted: the suite must pass there first.
    for ws in workspaces:
        verdict, failed = ws.build_and_test(args.tests, per_job)
        if verdict != "survives":
            sys.exit(f"the unplanted tree does not pass: {verdict} {' '.join(failed)}")

    results = {}

    def attempt(ws, fault):
        path, original = ws.plant(fault)
        if path is None:
            return fault, "not found", []
        try:
            verdict, failed = ws.build_and_test(args.tests, per_job)
        finally:
            path.write_text(original, encoding="utf-8")
        return fault, verdict, failed

    queue = list(faults)
    with concurrent.futures.ThreadPoolExecutor(max_workers=args.jobs) as pool:
        free = list(workspaces)
        running = {}
        while queue or running:
            while queue and free:
                ws = free.pop()
                running[pool.submit(attempt, ws, queue.pop(0))] = ws
            done, _ = concurrent.futures.wait(running, return_when=concurrent.futures.FIRST_COMPLETED)
            for future in done:
                free.append(running.pop(future))
                fault, verdict, failed = future.result()
                results[fault.ident] = (fault, verdict, failed)
                shown = ", ".join(failed[:3]) + (" ..." if len(failed) > 3 else "")
                print(f"{verdict:12} {fault.ident:32} {shown}", flush=True)

    for ws in workspaces:
        ws.remove()
    shutil.rmtree(base, ignore_errors=True)

    survivors = [r for r in results.values() if r[1] == "survives"]
    missing = [r for r in results.values() if r[1] == "not found"]
    print(f"\n{len(results)} faults: {len(results) - len(survivors) - len(missing)} caught, "
          f"{len(survivors)} survive, {len(missing)} not found in the code")
    for fault, verdict, _ in survivors + missing:
        print(f"  {verdict}: {fault.ident} ({fault.path}) {fault.what}  [{fault.origin}]")
    return 1 if survivors or missing else 0


if __name__ == "__main__":
    sys.exit(main())
