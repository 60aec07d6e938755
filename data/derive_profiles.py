#!/usr/bin/env python3
"""Derives the section values of the profile catalogue from the nominal
geometry of each profile and writes the catalogue files of this folder.

    python3 data/derive_profiles.py            # rewrites data/*.cat
    python3 data/derive_profiles.py --out DIR  # writes them into DIR instead

The catalogue files are generated: their values come from the geometry
below and from the supplier-declared values of data/supplier_declared.tsv,
their row comments from data/profile_rows.tsv.  A test checks that this
script reproduces the committed files byte for byte.

The methods are those stated in data/README.md (EN 1993-1-3 for steel; the
same cross-section model with the aluminium's E and f0 for aluminium).  All
resistances are characteristic values (partial factors 1.0): the engine
divides by the partial factors of the market.
"""
import argparse
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

STEEL = dict(E=210000.0, f=350.0, fu=420.0, coat=0.04, density=78.5, name="steel S350GD+Z275")
ALU = dict(E=70000.0, f=160.0, fu=220.0, coat=0.0, density=27.0, name="aluminium EN AW-3004 H34")
NU = 0.3

LA_REF = 100.0      # reference bearing length of row 13, mm
SCREW_D = 5.5       # sheet-to-purlin screw, mm, one per module
SEAM_D = 4.8        # side-lap fastener, mm
SEAM_PITCH = 0.5    # side-lap fastener spacing along the seam, m
SLIP = 0.15e-3      # slip of one overlap fastener, m per kN
HOLE_D, HOLE_A = 3.0, 8.0   # web perforation: hole diameter and pitch, mm
MICROBAND_CHI = 0.8         # reduction of the flange parts beside a microband
WEB_FOLD_E = 5.0            # eccentricity of the web stiffener fold, mm
WALK_F = 1.5        # design load of a person: 1.5 x 1.0 kN, kN
WALK_QK = 1.0       # the same, characteristic, for the deflection, kN
WALK_BEFF = 0.4     # width of sheet carrying the person's load, m
WALK_DEFL = 200.0   # deflection limit under the person's load, L/200


def elements(g, t, tweb):
    """Straight elements of one module (mm): (y1, z1, y2, z2, thickness,
    kind).  z is measured from the broad flange upwards."""
    h, b, bt, bb = g["h"], g["b"], g["bt"], g["bb"]
    w = (b - bt - bb) / 2
    els = [
        (-bb / 2, 0.0, bb / 2, 0.0, t, "broad"),
        (bb / 2, 0.0, bb / 2 + w, h, tweb, "web"),
        (bb / 2 + w, h, bb / 2 + w + bt, h, t, "narrow"),
    ]
    return els, w


def flange_effective(bp, t, mat, microband):
    """Effective width of a compressed flange (internal element, psi = 1),
    EN 1993-1-5 4.4 with sigma_cr from the plate formula; with a microband
    the flange is two sub-panels whose effective parts are reduced by
    MICROBAND_CHI."""
    def rho(width):
        scr = 4 * math.pi ** 2 * mat["E"] / (12 * (1 - NU ** 2)) * (t / width) ** 2
        lam = math.sqrt(mat["f"] / scr)
        return 1.0 if lam <= 0.673 else (lam - 0.22) / lam ** 2

    if not microband:
        return rho(bp) * bp
    sub = bp / 2 - 5.0          # 10 mm wide microband in the middle
    return 2 * rho(sub) * sub * MICROBAND_CHI + 10.0 * MICROBAND_CHI


def section(g, t, mat, compressed, web_t=None, gross=False):
    """Effective second moment (mm4 per module) and elastic section modulus
    (mm3 per module) with the given flange in compression, by iterating the
    neutral axis of the effective section."""
    tweb = web_t if web_t is not None else t
    h = g["h"]
    els, w = elements(g, t, tweb)
    phi = math.atan2(h, w)
    rm = g["r"] + t / 2
    gr = rm * (math.tan(phi / 2) - math.sin(phi / 2))
    # corner rounding, EN 1993-1-3 5.1(4): four corners of angle phi
    widths = [g["bb"] - 2 * gr, g["bt"] - 2 * gr, 2 * (math.hypot(h, w) - 2 * gr)]
    delta = 0.43 * 4 * g["r"] * math.degrees(phi) / 90 / sum(widths)

    zc = h / 2
    for _ in range(50):
        parts = []  # (area, z, own I)
        for (y1, z1, y2, z2, te, kind) in els:
            length = math.hypot(y2 - y1, z2 - z1)
            mult = 2 if kind == "web" else 1
            if kind in ("broad", "narrow"):
                comp = (kind == compressed) and not gross
                bp = (g["bb"] if kind == "broad" else g["bt"]) - 2 * gr
                eff = flange_effective(bp, te, mat, g.get("microband") and kind == "broad") if comp else bp
                eff += 2 * gr
                parts.append((eff * te, z1, 0.0))
                continue
            # web: EN 1993-1-3 5.5.3.4.3, s_eff0 = 0.76 t sqrt(E / sigma)
            zna = zc
            comp_top = compressed == "narrow"
            sc_len = ((h - zna) if comp_top else zna) / h * length
            s0 = 0.76 * te * math.sqrt(mat["E"] / mat["f"])
            sin = h / length
            if gross or g.get("web_stiffener") or sc_len <= 2.5 * s0:
                pieces = [(0.0, length)]
            else:
                # effective parts: s0 beside the compressed flange, 1.5 s0
                # beside the neutral axis, the tension part in full
                if comp_top:
                    na = zna / sin
                    pieces = [(0.0, na + 1.5 * s0), (length - s0, length)]
                else:
                    na = zna / sin
                    pieces = [(0.0, s0), (na - 1.5 * s0, length)]
            for (s1, s2) in pieces:
                a = (s2 - s1) * te
                zm = (s1 + s2) / 2 * sin
                parts.append((mult * a, zm, mult * a * ((s2 - s1) * sin) ** 2 / 12))
        area = sum(p[0] for p in parts)
        znew = sum(p[0] * p[1] for p in parts) / area
        if abs(znew - zc) < 1e-6:
            break
        zc = znew
    inertia = sum(p[2] + p[0] * (p[1] - zc) ** 2 for p in parts)
    inertia *= 1 - 2 * delta
    wmin = inertia / max(zc, h - zc)
    return inertia, wmin, phi


def web_crippling(g, t, mat, phi_deg, la):
    """EN 1993-1-3 6.1.7.3 (6.18), category 2 (alpha = 0.15), per web, N."""
    r = g["r"]
    assert r / t <= 10 and 45 <= phi_deg <= 90, g["name"]
    rw = (0.15 * t ** 2 * math.sqrt(mat["f"] * mat["E"]) * (1 - 0.1 * math.sqrt(r / t))
          * (0.5 + math.sqrt(0.02 * la / t)) * (2.4 + (phi_deg / 90) ** 2))
    if g.get("web_stiffener"):
        # EN 1993-1-3 6.1.7.4: kappa_a,s for a web with a fold of eccentricity e
        sp = math.hypot(g["h"], (g["b"] - g["bt"] - g["bb"]) / 2) / 2
        k = min(1.45 - 0.05 * WEB_FOLD_E / t, 0.95 + 35000 * t ** 2 * WEB_FOLD_E / (g["bb"] ** 2 * sp))
        rw *= max(k, 1.0)
    return rw


def bearing(t, d, fu):
    """EN 1993-1-3 Table 8.2, screw in a thin sheet on thick steel, N."""
    alpha = min(3.2 * math.sqrt(t / d), 2.1)
    return alpha * fu * d * t


def derive(g):
    mat = ALU if g.get("alu") else STEEL
    b = g["b"]
    per_m = 1000.0 / b
    cols = []
    for tn in g["t"]:
        tc = tn - mat["coat"]
        i5, w5, phi = section(g, tc, mat, "broad")
        i9, w9, _ = section(g, tc, mat, "narrow")
        ig, _, _ = section(g, tc, mat, "broad", gross=True)
        phid = math.degrees(phi)
        # EN 1993-1-3 6.1.7.3(2): hw / t <= 200 sin(phi), hw between the flange midlines
        assert g["h"] / tc <= 200 * math.sin(phi), (g["name"], tn)
        rw = web_crippling(g, tc, mat, phid, LA_REF) * 2 * per_m / 1000   # kN/m
        developed = g["bt"] + g["bb"] + 2 * math.hypot(g["h"], (b - g["bt"] - g["bb"]) / 2)
        weight = mat["density"] * tn / 1000 * developed / b                # kN/m2
        m6 = w5 * mat["f"] * per_m / 1e6                                   # kNm/m
        m10 = w9 * mat["f"] * per_m / 1e6
        a23 = bearing(tc, SCREW_D, mat["fu"]) * per_m / 1000               # kN/m
        d25 = a23 * 2 / 3
        p22 = bearing(tc, SEAM_D, mat["fu"]) / 1000 / SEAM_PITCH           # kN/m
        e_kn = mat["E"] * 1000                                             # kN/m2
        dx = e_kn * (tc / 1000) ** 3 * b / (12 * (1 - NU ** 2) * developed)
        dy = e_kn * ig * per_m * 1e-12 / 1                                 # kNm2/m
        p24 = 14.4 * dx ** 0.25 * dy ** 0.75
        # walkable spans: the person's load on WALK_BEFF of sheet, moment and
        # deflection, simply supported (row 16) and propped (row 19)
        mk = min(m6, m10) * WALK_BEFF
        ei = e_kn * min(i5, i9) * per_m * 1e-12 * WALK_BEFF                # kNm2
        l16 = min(4 * mk / WALK_F, math.sqrt(48 * ei / (WALK_DEFL * WALK_QK)))
        l19 = min(16 * mk / (3 * WALK_F), math.sqrt(48 * math.sqrt(5) * ei / (WALK_DEFL * WALK_QK)))
        cols.append(dict(t=tn, tc=tc, w=weight, i5=i5 * per_m / 1e4, m6=m6, i9=i9 * per_m / 1e4,
                         m10=m10, rw=rw, l16=math.floor(l16 * 100) / 100,
                         l19=math.floor(l19 * 100) / 100, p22=p22, a23=a23, p24=p24, d25=d25))
    mid = cols[len(cols) // 2]
    tmid = mid["tc"]
    # perforated webs: effective thickness 1.18 t (1 - d / 0.9 a)
    teff = min(1.0, 1.18 * (1 - HOLE_D / (0.9 * HOLE_A))) * tmid
    ip5, wp5, _ = section(g, tmid, mat, "broad", web_t=teff)
    ip9, wp9, _ = section(g, tmid, mat, "narrow", web_t=teff)
    i5, w5, phi = section(g, tmid, mat, "broad")
    i9, w9, _ = section(g, tmid, mat, "narrow")
    g6 = math.floor(min(ip5 / i5, wp5 / w5, ip9 / i9, wp9 / w9) * 100) / 100
    g7 = math.floor(web_crippling(dict(g, web_stiffener=False), teff, mat, math.degrees(phi), LA_REF)
                    / web_crippling(dict(g, web_stiffener=False), tmid, mat, math.degrees(phi), LA_REF)
                    * 100) / 100
    k0 = 2 * g["h"] / b
    c8 = mat["E"] * 1000 * (mid["i5"] + mid["i9"]) / 2 * 1e-8 * SLIP * b / 1000
    steel = not g.get("alu")
    general = [g["h"] / 1000, b / 1000, g["cover"] / 1000, k0, k0 / 2, g6, g7, c8, c8,
               0.25 if steel else 0.0, 0.25 if steel else 0.0, mat["E"] / 1e5]
    return general, cols, steel


def sig(x, n=4):
    if x == 0:
        return "0"
    d = n - 1 - int(math.floor(math.log10(abs(x))))
    return f"{round(x, max(d, 0)):.{max(d, 0)}f}"


def read_rows(path):
    """The rows table: {(kind, number): (meaning, stored unit, engine unit)}."""
    table = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            kind, number, meaning, stored, engine = line.rstrip("\n").split("\t")
            table[(kind, int(number))] = (meaning, stored, engine)
    return table


def read_declared(path):
    """Supplier-declared values: {(designation, kind, number, thickness): (text, source)}."""
    declared = {}
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, start=1):
            if line.startswith("#") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            if len(fields) != 6:
                raise SystemExit(f"{path}:{n}: six tab-separated fields expected")
            name, kind, number, thickness, value, source = fields
            if kind not in ("row", "general"):
                raise SystemExit(f"{path}:{n}: kind must be row or general")
            float(value)  # a number, written into the catalogue as it stands
            key = (name, kind, int(number), "-" if kind == "general" else f"{float(thickness):.2f}")
            declared[key] = (value, source)
    return declared


def note(kind, number):
    """The catalogue comment of a row or general value: meaning and stored unit."""
    meaning, stored, _ = ROWS[(kind, number)]
    return meaning if stored == "-" else f"{meaning}, {stored}"


def block(g):
    general, cols, steel = derive(g)
    out = []
    out.append(f"\n# {g['note']}")
    sources = sorted({src for (name, *_), (_, src) in DECLARED.items() if name == g["name"]})
    for src in sources:
        out.append(f"# Values declared by the supplier: {src}")
    mat = STEEL if steel else ALU
    out.append(f"# Geometry (mm): height {g['h']}, module {g['b']}, narrow flange {g['bt']}, "
               f"broad flange {g['bb']}, inner corner radius {g['r']}, cover width {g['cover']}; {mat['name']}.")
    out.append(f"profile {g['name']}")
    out.append(f"  origin {g['origin']}")
    out.append("  scaled_rows 19                  # rows 1..19 are multiplied by their scale")
    fmt = [lambda v: f"{v:.4f}".rstrip("0").rstrip("."), ] * 3 + [lambda v: sig(v, 3)] * 2 + \
          [lambda v: f"{v:.2f}"] * 2 + [lambda v: sig(v, 3)] * 2 + [lambda v: f"{v:.2f}"] * 2 + \
          [lambda v: f"{v:.1f}"]
    for k, v in enumerate(general, start=1):
        text = DECLARED.get((g["name"], "general", k, "-"), (fmt[k - 1](v), None))[0]
        out.append(f"  general {k:<3}{text:<20}# {note('general', k)}")
    out.append("  scale 5  1e-8                   # row 5 in cm4/m")
    out.append("  scale 9  1e-8                   # row 9 in cm4/m")
    out.append("  scale 16 1e-4                   # row 16 in m")
    out.append("  scale 19 1e-4                   # row 19 in m")

    def row(j, key, f):
        def value(c):
            return DECLARED.get((g["name"], "row", j, f"{c['t']:.2f}"), (f(c[key]), None))[0]

        vals = " ".join(f"{value(c):>7}" for c in cols)
        out.append(f"  row {j:<3}{vals}   # {note('row', j)}")

    row(1, "t", lambda v: f"{v:.2f}")
    row(3, "tc", lambda v: f"{v:.2f}")
    row(4, "w", lambda v: f"{v:.4f}")
    row(5, "i5", lambda v: sig(v))
    row(6, "m6", lambda v: sig(v))
    row(7, "t", lambda v: "1")
    row(8, "t", lambda v: "1.25" if steel else "1")
    row(9, "i9", lambda v: sig(v))
    row(10, "m10", lambda v: sig(v))
    row(11, "t", lambda v: "1")
    row(12, "t", lambda v: "1.25" if steel else "1")
    row(13, "rw", lambda v: sig(v))
    row(14, "t", lambda v: f"{LA_REF:.0f}")
    row(16, "l16", lambda v: f"{v:.2f}")
    row(19, "l19", lambda v: f"{v:.2f}")
    row(22, "p22", lambda v: sig(v))
    row(23, "a23", lambda v: sig(v))
    row(24, "p24", lambda v: sig(v))
    row(25, "d25", lambda v: sig(v))
    out.append("end")
    return "\n".join(out) + "\n"


R130 = dict(h=130, b=273.33, bt=40, bb=138, r=3, cover=820)
R160 = dict(h=160, b=273.33, bt=50, bb=137, r=3, cover=820)
T8 = [0.75, 0.80, 0.90, 1.00, 1.10, 1.20, 1.30, 1.50]
T10 = [0.90, 0.95, 1.00, 1.05, 1.10, 1.20, 1.25, 1.30, 1.40, 1.50]
TSTD = [0.75, 0.90, 1.10, 1.30, 1.50]
TSTD160 = [0.90, 1.00, 1.10, 1.30, 1.50]

FILES = {
    "r820.cat": ("The R820 family: deep roof profiles of the system's own range, cover width 820 mm.", [
        dict(R130, name="R820", origin=1, t=T8, note="R820: 130 mm, plain flanges."),
        dict(R130, name="R820P", origin=1, t=T8, microband=True,
             note="R820P: R820 with a microband in the broad flange (the microband variant of R820)."),
        dict(R130, name="R820S", origin=1, t=T8, web_stiffener=True,
             note="R820S: R820 with a longitudinal fold in each web."),
        dict(R130, name="R820SSTD", origin=1, t=TSTD, web_stiffener=True,
             note="R820SSTD: R820S in the stocked standard thicknesses only."),
        dict(R160, name="R820U", origin=1, t=T10, note="R820U: 160 mm, without microband."),
        dict(R160, name="R820M", origin=1, t=T10, microband=True,
             note="R820M: R820U with a microband in the broad flange."),
        dict(R160, name="R820USTD", origin=1, t=TSTD160, note="R820USTD: R820U in the stocked standard thicknesses only."),
        dict(R160, name="R820MSTD", origin=1, t=TSTD160, microband=True,
             note="R820MSTD: R820M in the stocked standard thicknesses only."),
    ]),
    "own_range.cat": ("Low and medium profiles of the system's own range.", [
        dict(name="R20", origin=1, h=20, b=137.5, bt=30, bb=80, r=2, cover=1100,
             t=[0.50, 0.60, 0.70, 0.80, 0.90], note="R20: 20 mm, roofs of small spans and walls."),
        dict(name="R35AL", origin=1, h=35, b=207, bt=40, bb=120, r=2, cover=1035, alu=True,
             t=[0.70, 0.80, 0.90, 1.00, 1.20], note="R35AL: 35 mm aluminium profile."),
        dict(name="R45", origin=1, h=45, b=183.33, bt=40, bb=100, r=2, cover=1100,
             t=[0.50, 0.60, 0.70, 0.80, 0.90, 1.00], note="R45: 45 mm roof and wall profile."),
        dict(name="R46FA", origin=1, h=46, b=200, bt=60, bb=110, r=2, cover=1000,
             t=[0.50, 0.60, 0.70, 0.80, 0.90], note="R46FA: 46 mm facade profile."),
        dict(name="R70", origin=1, h=70, b=183.33, bt=40, bb=100, r=3, cover=1100,
             t=[0.60, 0.70, 0.80, 0.90, 1.00, 1.20], note="R70: 70 mm roof profile."),
    ]),
    "suppliers.cat": ("Profiles of other suppliers, computed from their nominal geometry by the same "
                      "methods\n# where data/supplier_declared.tsv holds no declared value.", [
        dict(name="PL45", origin=2, h=45, b=150, bt=35, bb=80, r=2, cover=900,
             t=[0.50, 0.60, 0.70, 0.80, 1.00], note="PL45: supplier 2, 45 mm."),
        dict(name="TR70", origin=3, h=70, b=200, bt=50, bb=110, r=3, cover=1000,
             t=[0.60, 0.70, 0.80, 1.00, 1.20], note="TR70: supplier 3, 70 mm."),
        dict(name="TH135", origin=4, h=135, b=310, bt=50, bb=130, r=3, cover=930,
             t=[0.88, 1.00, 1.13, 1.25, 1.50], note="TH135: supplier 4, 135 mm."),
        dict(name="X35", origin=5, h=35, b=207, bt=40, bb=130, r=2, cover=1035,
             t=[0.50, 0.60, 0.70, 0.80, 0.90], note="X35: unknown supplier, 35 mm, geometry as measured."),
    ]),
}

HEADER = """# Profile catalogue: {title}
# GENERATED by data/derive_profiles.py - do not edit this file.  Its values
# come from the geometry in the script, by the methods of data/README.md, and
# from the supplier-declared values of data/supplier_declared.tsv; the row
# comments from data/profile_rows.tsv.  Change those and run the script again.
# Rows 5 and 9 are stored in cm4/m and rows 16 and 19 in m; the scale lines
# turn them into the engine's m4/m and units of 10000 m.
"""

ROWS = {}
DECLARED = {}

if __name__ == "__main__":
    parser = argparse.ArgumentParser(description="Writes the profile catalogue files.")
    parser.add_argument("--out", default=HERE, help="directory for the .cat files (default: data/)")
    parser.add_argument("--declared", default=os.path.join(HERE, "supplier_declared.tsv"),
                        help="supplier-declared values (default: data/supplier_declared.tsv)")
    args = parser.parse_args()
    ROWS.update(read_rows(os.path.join(HERE, "profile_rows.tsv")))
    DECLARED.update(read_declared(args.declared))
    for fname, (title, profiles) in FILES.items():
        text = HEADER.format(title=title) + "".join(block(g) for g in profiles)
        with open(os.path.join(args.out, fname), "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
        print("wrote", fname)
