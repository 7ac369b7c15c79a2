import re, sys
want = [l.rstrip("\n") for l in open(sys.argv[1], encoding="utf-8") if l.strip() and not l.startswith("#")]
got = [l.rstrip("\n") for l in sys.stdin]
stamp = re.compile(r"^\d\d:\d\d:\d\d\.\d\d\d ")
i = 0
for line in got:
    if i < len(want):
        w = want[i]
        if (stamp.match(w) and line == w) or (not stamp.match(w) and line[13:] == w):
            i += 1
if i < len(want):
    print(f"missing from the transcript, in order: {want[i]!r}")
    sys.exit(1)
