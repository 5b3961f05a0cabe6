#!/usr/bin/env python3
"""vantric-cli run --json against the text output: on every golden run case the JSON parses and,
written out as text again, gives the golden output (the trace, on stderr with --json, gives the
trace lines); several files in one call give one line each, in order, as each file alone would,
and the text form gives each file's output after its "==> FILE <==" line.

usage: json_matches_text.py VANTRIC_CLI PROGRAMS_DIR GOLDEN_DIR"""
import glob
import json
import os
import shlex
import subprocess
import sys

cli, programs, golden = sys.argv[1:4]
failures = []


def run(args):
    done = subprocess.run([cli] + args, capture_output=True)
    return done.returncode, done.stdout.decode("latin-1"), done.stderr.decode("latin-1")


def as_text(report):
    """The text output that the JSON report stands for."""
    if report["stop"] == "unreadable":
        return ""
    lines = list(report["progress"])
    if report["stop"] == "assembly_error":
        error = report["error"]
        return "\n".join(lines + ["Line %d: %s" % (error["line"], error["text"])]) + "\n"
    r, f = report["registers"], report["flags"]
    lines.append(" A: %s %s :Flags (S=%d Z=%d AC=%d P=%d CY=%d)"
                 % (r["A"], r["F"], f["S"], f["Z"], f["AC"], f["P"], f["CY"]))
    lines += [" B: %s %s :C" % (r["B"], r["C"]), " D: %s %s :E" % (r["D"], r["E"]),
              " H: %s %s :L" % (r["H"], r["L"]), "SP: " + r["SP"], "PC: " + r["PC"],
              "T states : %d" % report["t_states"]]
    for dump in report["dumps"]:
        start, data = int(dump["address"], 16), dump["bytes"]
        for offset in range(0, dump["count"], 16):
            chunk = data[offset * 2:(offset + 16) * 2]
            lines.append("%04X:" % (start + offset) + "".join(" " + chunk[i:i + 2] for i in range(0, len(chunk), 2)))
    return "\n".join(lines) + "\n"


def check(condition, message):
    if not condition:
        failures.append(message)


for case in sorted(glob.glob(os.path.join(golden, "run_*.cmd"))):
    name = os.path.basename(case)[:-4]
    with open(case) as f:
        args = shlex.split(f.readline().replace("{PROGRAMS}", programs))
    with open(os.path.join(golden, name + ".out"), encoding="latin-1", newline="") as f:
        expected = f.read()
    status_file = os.path.join(golden, name + ".status")
    expected_status = int(open(status_file).read()) if os.path.exists(status_file) else 0
    status, out, err = run(args + ["--json"])
    check(status == expected_status, "%s: exit status %d, expected %d" % (name, status, expected_status))
    if expected_status == 64:
        check(out == "", "%s: a usage error printed %r" % (name, out))
        continue
    check(out.count("\n") == 1, "%s: not one line: %r" % (name, out))
    report = json.loads(out)
    trace = [line for line in expected.splitlines() if line.startswith("PC=")]
    text = "".join(line + "\n" for line in expected.splitlines() if not line.startswith("PC="))
    check(as_text(report) == text, "%s: JSON gives\n%s\nexpected\n%s" % (name, as_text(report), text))
    check([line for line in err.splitlines() if line.startswith("PC=")] == trace, name + ": trace differs")
    check(report["file"] == args[1] and report["status"] == status, name + ": file or status wrong")

# Several files at once: one JSON line each, in order, as each alone; the highest exit status.
files = sorted(glob.glob(os.path.join(programs, "*.85"))) + [os.path.join(programs, "missing.85")]
options = ["--ignore-breakpoints", "--max-instructions", "5000", "--dump", "2000:4"]
alone = [run(["run", file] + options + ["--json"]) for file in files]
status, out, _ = run(["run"] + files + options + ["--json"])
check(out.splitlines() == [result[1].rstrip("\n") for result in alone], "several files: lines differ from single runs")
check(status == max(result[0] for result in alone), "several files: exit status %d" % status)
status, out, _ = run(["run"] + files + options)
check(out == "".join("==> %s <==\n" % file + run(["run", file] + options)[1] for file in files),
      "several files: text output differs from single runs")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
