#!/usr/bin/env python3
"""Times `varnel dedupe` side by side with keep-last peers on the generated corpora.

Peers: tac | awk '!s[$0]++' | tac with gawk and with mawk, a Python dict script, and cat as the
floor of reading and writing the bytes. Each round runs every contender once, in an order that
rotates between rounds; the table gives median wall times, each peer's time as a multiple of
varnel's, and peak memory (largest process of a pipeline). Before timing, the outputs are checked
to agree (varnel leaves out the final CR LF, which the peers keep).

Usage: bench/compare_peers.py [--rounds N] [--lines 1000000,10000000] [--out FILE]
Builds what it needs with the release and bench presets; corpora go to a temporary folder.
"""
import argparse
import datetime
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
VARNEL = os.path.join(ROOT, "build", "release", "varnel")
CORPUS = os.path.join(ROOT, "build", "bench", "bench", "varnel-corpus")
KEEP_LAST = os.path.join(ROOT, "bench", "keep_last.py")


def contenders(corpus):
    awk = "tac -s $'\\r\\n' {f} | {awk} '!s[$0]++' | tac -s $'\\r\\n'"
    return [
        ("varnel dedupe", f"{VARNEL} dedupe {corpus}", False),
        ("tac \\| gawk \\| tac", awk.format(f=corpus, awk="gawk"), True),
        ("tac \\| mawk \\| tac", awk.format(f=corpus, awk="mawk"), True),
        ("python dict", f"{sys.executable} {KEEP_LAST} < {corpus}", True),
        ("cat (I/O floor)", f"cat {corpus}", None),
    ]


def run(command, output):
    """Runs a shell command; returns (seconds, peak KiB of its largest process).

    GNU time reports the peak: a child forked from this Python process directly would inherit
    Python's own resident size as its starting peak.
    """
    with tempfile.NamedTemporaryFile(mode="r") as peak_file, open(output, "wb") as out:
        start = time.perf_counter()
        status = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", peak_file.name,
                                 "bash", "-c", command], stdout=out).returncode
        elapsed = time.perf_counter() - start
        peak = int(peak_file.read().split()[-1])
    if status != 0:
        sys.exit(f"compare_peers: '{command}' failed with status {status}")
    return elapsed, peak


def check_agreement(corpus, scratch):
    expected = None
    for name, command, keeps_final_separator in contenders(corpus):
        if keeps_final_separator is None:
            continue
        path = os.path.join(scratch, "check.out")
        run(command, path)
        with open(path, "rb") as f:
            data = f.read()
        if not keeps_final_separator:
            data += b"\r\n"
        if expected is None:
            expected = data
        elif data != expected:
            sys.exit(f"compare_peers: {name} disagrees with varnel on {corpus}")
    os.remove(os.path.join(scratch, "check.out"))


def build():
    for preset in ("release", "bench"):
        subprocess.run(["cmake", "--preset", preset], cwd=ROOT, check=True,
                       stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "release", "--target", "varnel"], cwd=ROOT,
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", "--preset", "bench", "--target", "varnel-corpus"],
                   cwd=ROOT, check=True, stdout=subprocess.DEVNULL)


def machine():
    model = "unknown CPU"
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    model = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    return f"{platform.system()} {platform.release()}, {os.cpu_count()} cores, {model}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--lines", default="1000000,10000000")
    parser.add_argument("--out", help="markdown file for the results (default: print only)")
    args = parser.parse_args()

    for tool in ("tac", "gawk", "mawk"):
        if not shutil.which(tool):
            sys.exit(f"compare_peers: {tool} is missing: run scripts/setup.sh")
    build()

    report = [f"# varnel dedupe against keep-last peers, {datetime.date.today()}", "",
              f"Machine: {machine()}. Load before the run: {os.getloadavg()[0]:.2f}.",
              f"Rounds: {args.rounds}, alternating; median wall time of whole processes.", ""]
    with tempfile.TemporaryDirectory(prefix="varnel-peers-") as scratch:
        for lines in [int(n) for n in args.lines.split(",")]:
            corpus = os.path.join(scratch, f"lines-{lines}.txt")
            subprocess.run([CORPUS, "lines", str(lines), corpus], check=True)
            size = os.path.getsize(corpus)
            check_agreement(corpus, scratch)
            times = {}
            peaks = {}
            entries = contenders(corpus)
            for round_index in range(args.rounds):
                shift = round_index % len(entries)
                for name, command, _ in entries[shift:] + entries[:shift]:
                    seconds, peak = run(command, os.devnull)
                    times.setdefault(name, []).append(seconds)
                    peaks[name] = max(peaks.get(name, 0), peak)
                print(f"{lines} lines: round {round_index + 1} of {args.rounds}", file=sys.stderr)
            base = statistics.median(times["varnel dedupe"])
            fastest_peer = min(statistics.median(times[n]) for n, _, k in entries if k)
            report += [f"## {lines:,} lines ({size / 1e6:.1f} MB, CR LF, about half repeats)", "",
                       "| program | median s | min s | x varnel | peak MiB |",
                       "|---|---:|---:|---:|---:|"]
            for name, _, _ in entries:
                median = statistics.median(times[name])
                report.append(f"| {name} | {median:.3f} | {min(times[name]):.3f} | "
                              f"{median / base:.2f} | {peaks[name] / 1024:.0f} |")
            blocks = lines
            report += ["", f"Fastest keep-last peer / varnel: **{fastest_peer / base:.2f}x**. "
                       f"varnel peak memory: {peaks['varnel dedupe'] * 1024 / 1e6:.0f} MB = input "
                       f"+ {(peaks['varnel dedupe'] * 1024 - size) / blocks:.1f} bytes per block.",
                       ""]
    text = "\n".join(report) + "\n"
    print(text)
    if args.out:
        with open(args.out, "w") as f:
            f.write(text)


if __name__ == "__main__":
    main()
