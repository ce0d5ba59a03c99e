#!/usr/bin/env python3
"""Times `varnel dedupe` side by side with keep-last peers on the generated corpora.

Peers: tac | awk '!s[$0]++' | tac with gawk and with mawk, a Python dict script, and cat as the
floor of reading and writing the bytes. Each round runs every contender once, in an order that
rotates between rounds; the table gives median wall times, each peer's time as a multiple of
varnel's, and peak memory (largest process of a pipeline). Before timing, the outputs are checked
to agree (varnel leaves out the final CR LF, which the peers keep).

In place: `varnel dedupe -i` on a fresh copy of the corpus (read as ANSI) and `varnel dedupe
-e utf-8 -i` on the same text converted to UTF-8, each timed side by side with the standard-output
run on the ANSI corpus (its result written to a file, as the in-place runs write theirs), against
the bars of at most 1.5x (ANSI) and 2.5x (UTF-8). The copy before
each in-place run is not timed. The in-place results are checked against the standard-output run.

Usage: bench/compare_peers.py [--rounds N] [--lines 1000000,10000000] [--in-place-only] [--out FILE]
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


# The in-place rows: (name, command line with {file}, source corpus key, bar as a multiple of the
# standard-output run). The standard-output run is the base and has no bar.
IN_PLACE = [
    ("varnel dedupe > file (base)", f"{VARNEL} dedupe {{file}}", "ansi", None),
    ("varnel dedupe -i, ANSI", f"{VARNEL} dedupe -i {{file}}", "ansi", 1.5),
    ("varnel dedupe -e utf-8 -i, UTF-8", f"{VARNEL} dedupe -e utf-8 -i {{file}}", "utf8", 2.5),
]


def utf8_copy(corpus, path):
    """The corpus as UTF-8. Byte pairs that GBK leaves unassigned become "?", so the whole text
    converts back (a character without a GBK form would stop the in-place job)."""
    with open(corpus, "rb") as f:
        text = f.read().decode("gbk", errors="replace").replace("\ufffd", "?")
    with open(path, "wb") as f:
        f.write(text.encode("utf-8"))


def check_in_place(sources, scratch):
    """The in-place results equal the standard-output run on the same input."""
    work = os.path.join(scratch, "check-in-place.txt")
    for key, convert in (("ansi", ""), ("utf8", "-e utf-8 ")):
        expected = os.path.join(scratch, "check-expected.out")
        run(f"{VARNEL} dedupe {convert}{sources[key]}", expected)
        shutil.copyfile(sources[key], work)
        run(f"{VARNEL} dedupe {convert}-i {work} 2>/dev/null", os.devnull)
        with open(work, "rb") as a, open(expected, "rb") as b:
            if a.read() != b.read():
                sys.exit(f"compare_peers: in-place result differs from standard output ({key})")
        os.remove(expected)
    os.remove(work)


def time_in_place(sources, scratch, rounds):
    """Median seconds and peak KiB of each in-place row, alternating between rounds."""
    work = os.path.join(scratch, "in-place.txt")
    times, peaks = {}, {}
    for round_index in range(rounds):
        shift = round_index % len(IN_PLACE)
        for name, command, key, bar in IN_PLACE[shift:] + IN_PLACE[:shift]:
            shutil.copyfile(sources[key], work)
            # The standard-output run writes its result to a file too, as the in-place runs do.
            output = os.path.join(scratch, "standard-output.txt") if bar is None else os.devnull
            seconds, peak = run(command.format(file=work) + " 2>/dev/null", output)
            times.setdefault(name, []).append(seconds)
            peaks[name] = max(peaks.get(name, 0), peak)
    os.remove(work)
    os.remove(os.path.join(scratch, "standard-output.txt"))
    return times, peaks


def in_place_report(lines, sources, times, peaks):
    base = statistics.median(times[IN_PLACE[0][0]])
    sizes = {key: os.path.getsize(path) for key, path in sources.items()}
    report = [f"### In place, {lines:,} lines (ANSI {sizes['ansi'] / 1e6:.1f} MB, UTF-8 "
              f"{sizes['utf8'] / 1e6:.1f} MB)", "",
              "| run | median s | min s | x standard output | bar | peak MiB |",
              "|---|---:|---:|---:|---:|---:|"]
    verdicts = []
    for name, _, _, bar in IN_PLACE:
        median = statistics.median(times[name])
        ratio = median / base
        bar_text = "" if bar is None else f"{bar:.1f}x {'met' if ratio <= bar else 'MISSED'}"
        if bar is not None:
            verdicts.append(ratio <= bar)
        report.append(f"| {name} | {median:.3f} | {min(times[name]):.3f} | {ratio:.2f} | "
                      f"{bar_text} | {peaks[name] / 1024:.0f} |")
    report.append("")
    return report, all(verdicts)


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


def peers_report(corpus, size, lines, scratch, rounds):
    check_agreement(corpus, scratch)
    times = {}
    peaks = {}
    entries = contenders(corpus)
    for round_index in range(rounds):
        shift = round_index % len(entries)
        for name, command, _ in entries[shift:] + entries[:shift]:
            seconds, peak = run(command, os.devnull)
            times.setdefault(name, []).append(seconds)
            peaks[name] = max(peaks.get(name, 0), peak)
        print(f"{lines} lines: round {round_index + 1} of {rounds}", file=sys.stderr)
    base = statistics.median(times["varnel dedupe"])
    fastest_peer = min(statistics.median(times[n]) for n, _, k in entries if k)
    report = [f"## {lines:,} lines ({size / 1e6:.1f} MB, CR LF, about half repeats)", "",
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
    return report


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
    parser.add_argument("--in-place-only", action="store_true",
                        help="time only the in-place rows, not the peers")
    parser.add_argument("--out", help="markdown file for the results (default: print only)")
    args = parser.parse_args()

    for tool in ("tac", "gawk", "mawk"):
        if not shutil.which(tool):
            sys.exit(f"compare_peers: {tool} is missing: run scripts/setup.sh")
    build()

    report = [f"# varnel dedupe against keep-last peers, {datetime.date.today()}", "",
              f"Machine: {machine()}. Load before the run: {os.getloadavg()[0]:.2f}.",
              f"Rounds: {args.rounds}, alternating; median wall time of whole processes.", ""]
    all_met = True
    with tempfile.TemporaryDirectory(prefix="varnel-peers-") as scratch:
        for lines in [int(n) for n in args.lines.split(",")]:
            corpus = os.path.join(scratch, f"lines-{lines}.txt")
            subprocess.run([CORPUS, "lines", str(lines), corpus], check=True)
            size = os.path.getsize(corpus)
            sources = {"ansi": corpus, "utf8": os.path.join(scratch, f"lines-{lines}-utf8.txt")}
            utf8_copy(corpus, sources["utf8"])
            check_in_place(sources, scratch)
            if not args.in_place_only:
                report += peers_report(corpus, size, lines, scratch, args.rounds)
            times, peaks = time_in_place(sources, scratch, args.rounds)
            print(f"{lines} lines: in-place rounds done", file=sys.stderr)
            rows, met = in_place_report(lines, sources, times, peaks)
            report += rows
            if lines == 1000000:  # the corpus the bars are set for
                all_met = all_met and met
            os.remove(sources["utf8"])
    report.append(f"In-place bars on the 1,000,000-line corpus: "
                  f"{'met' if all_met else 'NOT met'}.")
    text = "\n".join(report) + "\n"
    print(text)
    if args.out:
        with open(args.out, "w") as f:
            f.write(text)


if __name__ == "__main__":
    main()
