#!/usr/bin/env python3
"""Hand calculations behind tests/engine/methods/api_method_test.cpp.

Closed forms for uniform profiles: a 24 in pipe (D = 2 ft), L up to 60 ft, increment 1 ft,
perimeter P = 3.14159 x 2 ft, full tip area A = pi ft2, window of 3 D = 6 ft around each row.
"""
import math

P = 3.14159 * 2.0
A = math.pi
tan_delta = math.tan(25 / 57.2958)      # phi 30 - 5 degrees

# Normally consolidated clay: su = 0.01 z ksf (0 at the surface, 1.0 at 100 ft), gamma' = 50 pcf.
# psi = su / s'v < 0.25 everywhere, so alpha = 0.5 / sqrt(psi) > 1 is capped at 1: f = su of the
# segment, 0.01 (k + 0.5) for segment k. At row j >= 1 f = 0.01 (j - 0.5); at the surface 0.005.
# Qs(n) = P [0.005 + 0.01 n (n - 1) / 2]. End bearing 9 su averaged over 6 segments around the row:
# mean su = 0.01 z, so Q_tip = A 0.09 z.
for z in (10, 20, 40):
    qs = P * (0.005 + 0.01 * z * (z - 1) / 2)
    qt = A * 0.09 * z
    print(f"clay z={z}: skin {qs:.4f} end {qt:.4f} ultimate {qs + qt:.4f}")

# Sand: phi 30, K 0.8, Nq 20, gamma' = 60 pcf: f = 0.8 x 0.06 z tan(25 deg) = c z (linear, under
# the 1.7 ksf limit down to 76 ft); Qs = P c z^2 / 2 exactly by trapezoids. q = 20 x 0.06 z = 1.2 z
# (under the 100 ksf limit down to 83 ft), linear, so its 6 ft window average is 1.2 z.
c = 0.8 * 0.06 * tan_delta
for z in (10, 20, 40):
    qs = P * c * z * z / 2
    qt = A * 1.2 * z
    print(f"sand z={z}: skin {qs:.4f} end {qt:.4f} ultimate {qs + qt:.4f}")

# Open pipe, ID 22 in (no end section): annulus (pi/4)(24^2 - 22^2)/144 ft2 carries q = 1.2 z; the
# plug inside carries the sand friction over its height on the inside perimeter pi 22/12 ft:
# open(z) = 1.2 z Aa + pi (22/12) c z^2 / 2. Plug governs while open <= A 1.2 z: to 49 ft (184.2678
# against 184.7256 kips), the full section from 50 ft (191.2512 against 188.4956 kips).
Aa = math.pi / 4 * (24**2 - 22**2) / 144
for z in (10, 20, 40, 49, 50, 60):
    op = 1.2 * z * Aa + math.pi * 22 / 12 * c * z * z / 2
    full = A * 1.2 * z
    print(f"open z={z}: open {op:.4f} full {full:.4f} -> {'plug' if op <= full else 'full'}")

# Tension, factor 0.7, closed pipe 24 x 23 in: skin 0.7 Qs; self weight of the steel
# As = (pi/4)(24^2 - 23^2)/144 ft2 at 0.49 kcf above 0.1 ft and 0.49 - 0.0624 below.
As = math.pi / 4 * (24**2 - 23**2) / 144
for z in (10, 20, 40):
    qs = 0.7 * P * c * z * z / 2
    w = As * (0.49 * 0.1 + (0.49 - 0.0624) * (z - 0.1))
    print(f"tension z={z}: skin {qs:.4f} weight {w:.4f} ultimate {qs + w:.4f}")
