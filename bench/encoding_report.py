#!/usr/bin/env python3
"""Turns the JSON of encoding_bench (with --benchmark_repetitions) into the markdown table of
bench/results: median CPU time per direction and implementation, and our speed as a ratio.

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
        if b.get("aggregate_name") == "median":
            direction, impl = b["run_name"].split("/")
            medians.setdefault(direction, {})[impl] = (b["cpu_time"], b["bytes_per_second"])
    print("| direction | varnel ms | ICU ms | iconv ms | ICU / varnel | iconv / varnel |")
    print("|---|---|---|---|---|---|")
    for direction, impls in medians.items():
        ours = impls["varnel"][0]
        row = [direction] + ["%.2f" % (impls[k][0] / 1e6) for k in ("varnel", "icu", "iconv")]
        row += ["%.2f" % (impls[k][0] / ours) for k in ("icu", "iconv")]
        print("| " + " | ".join(row) + " |")
    ctx = data["context"]
    print()
    print("Host: %d x %s MHz, load average %s; times are median CPU times of %s repetitions."
          % (ctx["num_cpus"], ctx["mhz_per_cpu"], ", ".join("%.2f" % x for x in ctx.get("load_avg", [])),
             data["benchmarks"][0].get("repetitions", "?")))


if __name__ == "__main__":
    main(sys.argv[1])
