"""Keep-last block deduplication with a dict, the Python peer of the comparison.

Reads CR LF lines on standard input, writes every line whose text does not occur again later,
in order, each ended by CR LF (the awk peers' output form).
"""
import sys

data = sys.stdin.buffer.read()
lines = data.split(b"\r\n")
if data.endswith(b"\r\n"):
    lines.pop()
last = {line: i for i, line in enumerate(lines)}
out = [line for i, line in enumerate(lines) if last[line] == i]
sys.stdout.buffer.write(b"".join(line + b"\r\n" for line in out))
