#!/usr/bin/env python3
"""Sand-clay-sand profile for the cone methods, and its Unified shaft friction integrated
independently of the program.

The profile: an open pipe of 1220 x 1170 mm, tip at 35 m; sand to 15 m (qc = 4 + z MPa), clay
from 15 to 25 m (qc = 2 + 0.1 (z - 15) MPa), sand below (qc = 20 + 0.5 (z - 25) MPa);
gamma' = 10 kN/m3 in sand and 8 kN/m3 in clay, water at the ground. The CPT rows lie 4 cm apart
(the data file holds at most 1000 rows) and the qc step at each layer boundary is given as two
rows at one depth, 0.1 mm below ("below") or above ("above") the boundary.

The Unified shaft (Lehane et al. 2020, 2022), compression:
  sand  tau = (qc/44 Are^0.3 max(1, h/D)^-0.4 + qc/10 (qc/s'v)^-0.33 dCPT/D) tan 29
  clay  tau = 0.07 qc max(1, h/D*)^-0.25
with PLR = tanh(0.3 sqrt(Di/dCPT)), Are = 1 - PLR (Di/D)^2, D* = sqrt(D^2 - Di^2),
dCPT = 35.7 mm, h = L - z. Each layer takes its own qc (the step's position does not matter to the
true friction); Qs = pi D int tau dz, by the midpoint rule on a 0.1 mm grid.

Run with --write DIR to write the projects (p-above.tv6d/.cpt, p-below.tv6d/.cpt at increments
0.1 to 0.5 m) that were used to read the program's figures before the change.
"""
import math
import sys

D, DI, L = 1.220, 1.170, 35.0
DCPT = 0.0357
PLR = math.tanh(0.3 * math.sqrt(DI / DCPT))
ARE = 1 - PLR * (DI / D) ** 2
DSTAR = math.sqrt(D * D - DI * DI)
TAN29 = math.tan(math.radians(29))
LAYERS = [  # top, bottom, sand, gamma', qc(z) in kPa
    (0.0, 15.0, True, 10.0, lambda z: 1000 * (4 + z)),
    (15.0, 25.0, False, 8.0, lambda z: 1000 * (2 + 0.1 * (z - 15))),
    (25.0, 38.0, True, 10.0, lambda z: 1000 * (20 + 0.5 * (z - 25))),
]


def layer_of(z):
    for layer in LAYERS:
        if layer[0] <= z < layer[1]:
            return layer
    return LAYERS[-1]


def stress(z):
    s = 0.0
    for top, bottom, _, gamma, _ in LAYERS:
        if z <= top:
            break
        s += gamma * (min(z, bottom) - top)
    return s


def tau(z):
    top, bottom, sand, gamma, qc_of = layer_of(z)
    qc = qc_of(z)
    h = L - z
    if not sand:
        return 0.07 * qc * max(1.0, h / DSTAR) ** -0.25
    sv = stress(z)
    radial = qc / 44 * ARE**0.3 * max(1.0, h / D) ** -0.4
    dilation = qc / 10 * (qc / sv) ** -0.33 * DCPT / D if sv > 0 else 0.0
    return (radial + dilation) * TAN29


def shaft(length=L, step=1e-4):
    n = int(round(length / step))
    return math.pi * D * sum(tau((i + 0.5) * step) for i in range(n)) * step


def cpt_rows(placement):
    """Rows every 4 cm from 0 to 38 m; the step at 15 and 25 m as two rows 0.1 mm off the boundary."""
    rows = []
    offset = -1e-4 if placement == "above" else 1e-4
    for i in range(0, 951):
        z = round(0.04 * i, 6)
        rows.append((z, layer_of(z)[4](z)))
    for b, upper, lower in ((15.0, LAYERS[0], LAYERS[1]), (25.0, LAYERS[1], LAYERS[2])):
        s = b + offset
        rows = [r for r in rows if not (min(s, b) <= r[0] <= max(s, b))]
        rows += [(s, upper[4](s)), (s, lower[4](s))]
        # the grid row on the boundary reads the layer on its side of the step
        rows.append((b, (upper if offset > 0 else lower)[4](b)))
    rows.sort(key=lambda r: r[0])  # stable: each step keeps its upper value first
    return rows


def project(increment):
    lines = [
        "Sand-clay-sand, open pipe, Unified",
        "cone-a",
        "LAYERS",
        "2 1 6",
        f"0 0 {D*1000:g} {DI*1000:g} 210000000 {L:g} 0",
        "0 0",
        f"0 {increment:g} 1 0 10 1 0",
        "0 0 0 1 0 1 1 1 1 1",
        "38 0.0",
    ]
    for top, bottom, sand, gamma, _ in LAYERS:
        for z in (top, bottom):
            if sand:
                lines += [f"{z:g} 1 0.8 {gamma:g} 32 40", "0 0 0.0 0 0.0 0.0 0 0 0 1 1"]
            else:
                lines += [f"{z:g} 2 0.0 {gamma:g} 0.0 0.0", "0 0 80 40 1.5 30 0 0 0 1 1"]
    lines += ["0", "0 1.0", "0 0", "0 0", "0 0"]
    return "\n".join(lines) + "\n"


def write(directory):
    for placement in ("above", "below"):
        rows = cpt_rows(placement)
        for inc in (0.1, 0.2, 0.25, 0.5):
            name = f"{directory}/{placement}-{inc:g}"
            with open(name + ".tv6d", "w") as f:
                f.write(project(inc))
            with open(name + ".cpt", "w") as f:
                f.write(f" 2 {len(rows)}\n" + "".join(f"  {z:.6f}  {q:.3f}\n" for z, q in rows))


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--write":
        write(sys.argv[2])
    print(f"PLR = {PLR:.6f}, Are = {ARE:.6f}, D* = {DSTAR:.6f} m")
    print(f"tau at 24.95 m (clay) = {tau(24.95):.3f} kPa, at 25.05 m (sand) = {tau(25.05):.3f} kPa")
    # The clay's bottom row at 25 m with its own qc (3000 kPa, h = 10 m), and with the sand's
    # 20 MPa that the profile read across the boundary gave it before.
    for qc in (3000.0, 20000.0):
        print(f"clay rule at 25 m with qc {qc:.0f} kPa: {0.07 * qc * (10 / DSTAR) ** -0.25:.2f} kPa")
    # Peak movement of the sand curve at the top of the lower sand (s'v = 150 + 80 = 230 kPa):
    # wf = D (qc/pa)^0.5 (s'v/pa)^0.25 / 1250, with the sand's 20 MPa and with the clay's 3 MPa.
    for qc in (20000.0, 3000.0):
        print(f"wf at 25 m with qc {qc:.0f} kPa: {1220 * (qc / 100) ** 0.5 * 2.3 ** 0.25 / 1250:.3f} mm")
    print(f"Unified shaft at the tip (35 m), compression: {shaft():.1f} kN")
