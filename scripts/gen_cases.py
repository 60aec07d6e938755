#!/usr/bin/env python3
"""Writes varied, valid calculation input files for build comparisons.

Usage: scripts/gen_cases.py OUT_DIR [COUNT] [SEED]

Each case goes to OUT_DIR/<name>/~INDATA~.TMP (Windows-1252, CR LF line ends
as the input editor writes them).  The cases cover every market and class,
roofs of the three roof types and walls, 1 to 20 spans, every joint type,
locked thicknesses, cantilevers with and without end-support flags, drifts,
a snow pocket, up to five line loads (also beyond the end of their span),
edge zones, both report layouts and the diaphragm data.  The same seed
always gives the same cases.
"""

import os
import random
import sys

DESIGNATIONS = ["R820", "R820P", "R820M", "R820U", "R820MSTD", "R820S", "R45", "R70",
                "R20", "R35AL", "R46FA", "PL45", "TR70", "TH135", "X35"]


def f(fmt, v):
    return fmt % v


def case_lines(rng, name):
    L = []
    add = L.append
    market = rng.randint(1, 5)
    sakkl = rng.randint(0, 3)
    wall = 1 if rng.random() < 0.3 else 0
    n = rng.choice([1, 1, 2, 2, 3, 3, 3, 4, 5, 6, 8, 12, 20])
    add(name)
    add("GENERERAT FALL %s MARKNAD %d %s" % (name, market, "VÄGG" if wall else "TAK"))
    add("%2d" % market)
    add("%2d" % sakkl)
    add("%2d" % wall)
    add("%2d" % n)
    spans = [round(rng.uniform(0.8, 9.0), 3) for _ in range(n)]
    add("".join(f("%7.3f", s) for s in spans))
    if rng.random() < 0.2:
        add(" 1")
        add("".join(f("%7.3f", rng.choice([0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.2])) for _ in range(n)))
    else:
        add(" 0")
    # Joint lines: each inner support gets a type 0..5; the end supports are
    # set by the cantilever lengths anyway, but are sometimes named too.
    types = [0] * (n + 2)
    for i in range(1, n + 2):
        inner = 1 < i < n + 1
        if inner or rng.random() < 0.2:
            types[i] = rng.choice([0, 0, 1, 2, 3, 4, 5])
    for t in range(1, 6):
        named = [i for i in range(1, n + 2) if types[i] == t]
        fields = named + [0] * (n + 1 - len(named))
        add("".join("%3d" % v for v in fields))
    konsv = rng.choice([0.0, 0.0, 0.05, 0.1, 0.11, 0.3, 0.6, round(rng.uniform(0, 1.5), 2)])
    konsh = rng.choice([0.0, 0.0, 0.05, 0.1, 0.11, 0.3, 0.6, round(rng.uniform(0, 1.5), 2)])
    add("%.2f" % konsv)
    add("%d" % (1 if rng.random() < 0.15 else 0))
    add("%.2f" % konsh)
    add("%d" % (1 if rng.random() < 0.15 else 0))
    prc = [rng.choice([10.10, 10.10, 15.08, 5.50, 6.00, 5.99, 20.20, 8.12, 12.05])
           for _ in range(n + 1)]
    add("".join("%5.2f " % v for v in prc))
    if rng.random() < 0.5:
        widths = [0.10] * (n + 1)
    else:
        widths = [rng.choice([0.06, 0.08, 0.10, 0.12, 0.16, 0.20]) for _ in range(n + 1)]
    add("".join("%5.2f " % v for v in widths))
    taktyp = None
    if not wall:
        add("%.2f" % rng.uniform(0.1, 1.2))
        snow = round(rng.uniform(0.5, 4.5), 1)
        if market == 1:
            if rng.random() < 0.3:
                add("0")
                add("%.1f" % snow)
            else:
                add("%.1f" % snow)
        else:
            add("%.1f" % snow)
        snoform = rng.choice([0.8, 0.8, 1.0, 0.72])
        add("%.2f" % snoform)
        drift = rng.random() < 0.4
        add("%.1f" % rng.choice([0.8, 1.6, 2.4, 3.2]))
        add("%.1f" % (round(rng.uniform(0.5, 8.0), 1) if drift else 0.0))
        add("%.1f" % rng.choice([0.8, 1.6, 2.4]))
        add("%.1f" % (round(rng.uniform(0.5, 6.0), 1) if rng.random() < 0.3 else 0.0))
        pocket = rng.random() < 0.3
        fickfack = rng.randint(1, n) if pocket else 0
        add("%d" % fickfack)
        add("%.1f" % rng.choice([0.8, 1.2, 1.6, 2.0, 2.4]))
        if pocket:
            span = spans[fickfack - 1]
            length = round(rng.uniform(0.2, span), 2)
            add("%.2f" % round(rng.uniform(0, length), 2))   # fickmaxlgd
            add("%.2f" % length)                              # ficklgd
            add("%.2f" % round(rng.uniform(0, span - length), 2))  # fickavst
        else:
            add("0")
            add("0")
            add("0")
        nl = rng.choice([0, 0, 0, 1, 2, 3, 5])
        add("%d" % nl)
        for k in range(5):
            if k < nl:
                t = rng.randint(1, n)
                a = round(rng.uniform(-0.5, spans[t - 1] + 0.5), 3)
                add("%3d%7.3f%7.3f%7.3f%7.3f" % (t, a, rng.uniform(0, 4), rng.uniform(0, 3),
                                                  rng.uniform(0, 2)))
            else:
                add("%3d%7.3f%7.3f%7.3f%7.3f" % (0, 0, 0, 0, 0))
        c = rng.choice([0, 1, 1, 2])
        add("%2d" % c)
        taktyp = c
        if c == 2:
            add("%2d" % rng.randint(0, 3))
            add("%.1f" % rng.choice([10000.0, 0.5, 0.3]))
        add("%.1f" % rng.choice([3.6, 0.0, 7.0, 10.0, 14.0, 27.0]))
        add("%2d" % rng.randint(0, 2))
        add("%.2f" % rng.uniform(0.3, 1.2))
        add("%.2f" % rng.choice([1.0, 1.2, 2.0]))
        add("%.2f" % rng.choice([0.2, 0.3, 0.5]))
        if c == 0:
            add("%.2f" % rng.choice([1.8, 2.5]))
            add("%.2f" % rng.uniform(0.5, 4.0))
    else:
        for v in (rng.uniform(0.3, 1.2), rng.choice([0.8, 1.0]), rng.choice([0.8, 1.2]),
                  rng.uniform(0, 2.0), rng.choice([0.5, 0.7]), rng.choice([1.2, 1.4]),
                  rng.uniform(0, 2.0)):
            add("%.2f" % v)
    add("%g" % rng.choice([0, 0, 150, 200, 75, 90.5]))
    add("%2d" % rng.choice([0, 1, 2]))
    for v in (0.7, 0.4, 0.3, 0.2) if rng.random() < 0.7 else (0.6, 0.2, 0.6, 0.2):
        add("%.1f" % v)
    add(rng.choice(DESIGNATIONS))
    add("%d" % (1 if rng.random() < 0.3 else 0))
    add("%g" % rng.choice([0, 0, 0.05]))
    add("%2d" % rng.choice([1, 2]))
    if not wall and taktyp > 0:
        add("%2d" % rng.randint(0, 2))
    add("%2d" % rng.choice([0, 0, 1, 1, 2]))
    if not wall and taktyp > 0:
        iskiv = rng.choice([0, 1, 2])
        add("%2d" % iskiv)
        if iskiv < 2:
            for k, kind in enumerate("rIIIrIIrrrrrr"):
                add("%d" % rng.randint(1, 9) if kind == "I" else "%.2f" % rng.uniform(0.1, 30))
            for k in range(5):
                add("SKIVTEXT %d FÖR %s" % (k + 1, name))
    return L


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    rng = random.Random(seed)
    for k in range(1, count + 1):
        name = "G%04d" % k
        d = os.path.join(out, name)
        os.makedirs(d, exist_ok=True)
        with open(os.path.join(d, "~INDATA~.TMP"), "wb") as fh:
            fh.write(("\r\n".join(case_lines(rng, name)) + "\r\n").encode("cp1252"))


if __name__ == "__main__":
    main()
