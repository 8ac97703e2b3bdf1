#!/usr/bin/env python3
"""Hand calculation behind the driveability reference of the square precast pile in uniform sand
(tests/reference/reference_outputs_test.cpp, tests/reference/expected/nen-square-precast-si.drive.console).

The pile: 0.4 m square, perimeter 1.6 m, tip area 0.16 m2, closed. The sand: qc 10 MPa at every
depth (the CPT points give 10000 kPa at 0 and 25 m), effective unit weight 10 kN/m3 from the
ground surface, so s'v = 10 z kPa. Alm & Hamre (2001) in sand with the interface friction angle
delta = 29 degrees, pa = 100 kPa, h = L - z the height above the tip at L:

    tau_i  = 0.0132 qc (s'v / pa)^0.13 tan(delta)
    tau    = tau_res + (tau_i - tau_res) exp(-k h),  tau_res = 0.2 tau_i,  k = (qc / s'v)^0.5 / 80
    q_tip  = 0.15 qc (qc / s'v)^0.2 on the closed section's full area

The shaft integral is taken here by Simpson's rule on 1 mm steps after the substitution z = u^2,
which takes away the steep start of (s'v)^0.13 at the ground surface; the engine's trapezoids on
0.1 m agree with it to well within 0.5 %.
"""
import math

QC = 10000.0       # kPa
GAMMA = 10.0       # kN/m3, effective
PERIMETER = 1.6    # m
AREA = 0.16        # m2
TAN_DELTA = math.tan(math.radians(29))


def tau(z, tip):
    sigma = GAMMA * z
    if sigma <= 0:
        return 0.0
    tau_i = 0.0132 * QC * (sigma / 100) ** 0.13 * TAN_DELTA
    k = math.sqrt(QC / sigma) / 80
    return 0.2 * tau_i + 0.8 * tau_i * math.exp(-k * (tip - z))


def shaft(tip, steps=20000):
    # z = u^2, dz = 2u du, u from 0 to sqrt(tip); Simpson's rule with an even number of steps.
    top = math.sqrt(tip)
    du = top / steps
    total = 0.0
    for i in range(steps + 1):
        u = i * du
        w = 1 if i in (0, steps) else (4 if i % 2 else 2)
        total += w * tau(u * u, tip) * 2 * u
    return PERIMETER * total * du / 3


def base(tip):
    return 0.15 * QC * (QC / (GAMMA * tip)) ** 0.2 * AREA


for tip in (5.0, 10.0, 15.0):
    s, b = shaft(tip), base(tip)
    print(f"tip {tip:5.1f} m: shaft {s:8.2f} kN  base {b:8.2f} kN  total {s + b:8.2f} kN")
