#!/usr/bin/env python3
"""Turns the JSON of encoding_bench (with --benchmark_repetitions) into the markdown table of
bench/results: median CPU time per direction and implementation, and each peer's time over ours
(above 1: we are faster; bold where we are).

usage: build/bench/bench/encoding_bench --benchmark_repetitions=5 --benchmark_format=json \\
           > out.json && bench/encoding_report.py out.json
"""

import json
import sys


def main(path):
    with open(path) as f:
        data = json.load(f)
    medians = {}
    for b in data["benchmarks"]:
        if b.get("aggregate_name") == "median" and "/" in b["run_name"]:
            direction, impl = b["run_name"].split("/")
            medians.setdefault(direction, {})[impl] = b["cpu_time"] / 1e6
    peers = ("icu", "icu_sized", "iconv")
    # Ours: the converter operation, and where there is one, the one-pass conversion of the file
    # job (UTF-8 straight to GBK).
    ours_names = {"varnel": "operation", "varnel_one_pass": "one pass"}
    print("| direction | varnel | varnel ms | " + " | ".join(p + " ms" for p in peers) + " | "
          + " | ".join(p + " / varnel" for p in peers) + " |")
    print("|---" * (3 + 2 * len(peers)) + "|")
    for direction, impls in medians.items():
        if direction == "Step":
            continue
        for name, label in ours_names.items():
            if name not in impls:
                continue
            ours = impls[name]
            row = [direction, label, "%.2f" % ours] + ["%.2f" % impls[p] for p in peers]
            row += ["**%.2f**" % (impls[p] / ours) if impls[p] >= ours
                    else "%.2f" % (impls[p] / ours) for p in peers]
            print("| " + " | ".join(row) + " |")
    if "Step" in medians:
        print()
        print("| step | ms |")
        print("|---|---|")
        for step, ms in medians["Step"].items():
            print("| %s | %.2f |" % (step, ms))
    ctx = data["context"]
    print()
    print("Host: %d x %s MHz, load average %s; times are median CPU times of %s repetitions."
          % (ctx["num_cpus"], ctx["mhz_per_cpu"], ", ".join("%.2f" % x for x in ctx.get("load_avg", [])),
             data["benchmarks"][0].get("repetitions", "?")))


if __name__ == "__main__":
    main(sys.argv[1])
