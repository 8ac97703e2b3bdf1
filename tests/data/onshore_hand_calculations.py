#!/usr/bin/env python3
"""Hand calculations behind the FHWA, USACE, Revised Lambda and user-specified tests
(tests/engine/methods/fhwa_method_test.cpp, usace_method_test.cpp, revised_lambda_method_test.cpp,
user_specified_method_test.cpp).

Every chart value is read off the published tables by hand (the lines say which points); only the
arithmetic is left to the script. Increment 1 ft, so a row at z ft is the bottom of segment z - 1.
Perimeter P = 3.14159 D (the summation's pi), full tip area A = pi D^2 / 4.
"""
import math

P24 = 3.14159 * 2.0  # 24 in pile, ft
A24 = math.pi        # ft2


def section(title):
    print(f"\n== {title}")


# ---------------------------------------------------------------------------------------------
section("FHWA sand (Nordlund), closed-end 12 in steel pipe, L = 25 ft, sand phi 32, 60 pcf")
# Step 1, displaced volume of a closed end: V = (pi/4) 12^2 / 144 = pi/4 ft3/ft.
V = math.pi / 4
# Step 2, delta/phi of pile type 1 between V = 0.6 (0.516) and 0.8 (0.593).
ratio = 0.516 + (V - 0.6) / 0.2 * (0.593 - 0.516)
delta = ratio * 32
# Step 3, CF at phi 32: curve 0.4 gives 0.69 + (0.63 - 0.69) / 2 = 0.66 (phi 30 and 34), curve 0.6
# gives 0.82 + (0.77 - 0.82) / 2 = 0.795; delta/phi = 0.5874 lies between them.
cf = 0.66 + (ratio - 0.4) / 0.2 * (0.795 - 0.66)
# Step 4, K-delta at omega 0: phi-30 chart 0.85 (V 0.1) to 1.15 (V 1), phi-35 chart 1.15 to 1.75,
# linear in V; phi 32 lies 2/5 of the way from the 30 chart to the 35 chart.
kd30 = 0.85 + (V - 0.1) / 0.9 * (1.15 - 0.85)
kd35 = 1.15 + (V - 0.1) / 0.9 * (1.75 - 1.15)
kd = kd30 + 0.4 * (kd35 - kd30)
# Step 5, f = K-delta CF s'v sin(delta) with s'v = 0.06 z ksf: f = c z, linear, under the API
# limit of 1.82 ksf for phi 32 at these depths, so the trapezoids sum exactly to P c z^2 / 2 (P = pi
# x 1 ft).
c = kd * cf * math.sin(delta / 57.2958) * 0.06
print(f"V {V:.6f}  delta/phi {ratio:.6f}  delta {delta:.4f}  CF {cf:.6f}  K-delta {kd:.6f}")
for z in (10, 25):
    print(f"z={z}: f {c * z:.6f} ksf  skin {3.14159 * c * z * z / 2:.4f} kips")
# End bearing: D/b = 25 x 12 / 12 = 25, halfway between the alpha_t curves for 20 and 30. At phi 32
# (4/5 of the way from 30 to 32.5): first curve 0.49 + 0.8 (0.578 - 0.49) = 0.5604, second
# 0.52 + 0.8 (0.605 - 0.52) = 0.588, so alpha_t = 0.5742. N'q = 30 + 0.8 (43 - 30) = 40.4.
# q = 0.5742 x 40.4 x 0.06 z = 1.391858 z ksf, limited by q_L = 2 x (11.25 + 0.6 x 8.75) = 33 ksf,
# reached at 23.71 ft. The tip averages A q over 3 ft around the row, q linear within each segment
# between its top and bottom values; A = pi/4 ft2.
qc = 0.5742 * 40.4 * 0.06
qL = 33.0
print(f"z=10: end bearing {math.pi / 4 * qc * 10:.4f} kips (q linear over the window)")
# z = 25: window 23.5 .. 26.5. Segment 23-24 runs from 23 qc = 32.0127 to min(24 qc, 33) = 33; the
# rest of the window is at 33 ksf.
q235 = 23 * qc + (qL - 23 * qc) * 0.5
avg = (0.5 * (q235 + qL) / 2 + 2.5 * qL) / 3
print(f"z=25: window average q {avg:.6f} ksf, end bearing {math.pi / 4 * avg:.4f} kips")

section("FHWA sand end-bearing limit, closed 24 in pipe, L = 40 ft (D/b 20), sand phi 30")
# alpha_t (first curve) 0.49, N'q 30: q = 14.7 s'v, reaches q_L = 2 x 6.66 = 13.32 ksf at
# s'v = 0.906 ksf (15.1 ft at 60 pcf); at 40 ft the whole window is at the limit.
print(f"tip at q_L {A24 * 13.32:.4f} kips; with a 10 ksf maximum {A24 * 10:.4f} kips")

# ---------------------------------------------------------------------------------------------
section("FHWA clay (Tomlinson)")
# Stiff clay from the surface, su 1.5 ksf, R = 40 x 12 / 24 = 20: case 3, a third of the way from
# the R < 10 curve (0.829 at su 1.5) to the R >= 40 curve (1.0).
a3 = 0.829 + (20 - 10) * (1.0 - 0.829) / 30
print(f"case 3: alpha {a3:.6f}  f {a3 * 1.5:.6f}  skin at 40 ft {P24 * a3 * 1.5 * 40:.4f}")
# Sand over clay su 2.25 ksf, R = 60 x 12 / 24 = 30: case 1. B(2.25) = (0.95 + 0.875)/2 = 0.9125,
# C(2.25) = (0.68 + 0.5)/2 = 0.59; alpha = (40 - 30)(B - C)/20 + C.
a1 = (40 - 30) * (0.9125 - 0.59) / 20 + 0.59
print(f"case 1: alpha {a1:.6f}  f {a1 * 2.25:.6f}")
# Soft clay su 0.5 ksf (0-10 ft) over stiff clay su 2.25 ksf, R = 30 x 12 / 24 = 15. The top
# segment precedes the choice: case 3, 0.984 + 5/30 (1 - 0.984). The next segment sees soft clay
# above it: case 2 from there down, halfway between the R < 10 and R >= 20 curves.
top = 0.984 + 5 / 30 * (1 - 0.984)
soft = 0.519 + 0.5 * (0.84 - 0.519)
stiff = (0.298 + 0.272) / 2 + 0.5 * ((0.675 + 0.656) / 2 - (0.298 + 0.272) / 2)
print(f"case 2: top {top * 0.5:.6f}  soft {soft * 0.5:.6f}  stiff {stiff * 2.25:.6f} ksf")

# ---------------------------------------------------------------------------------------------
section("FHWA plug state, open 24 x 22 in pipe, L = 60 ft, sand phi 30, 60 pcf")
# Unplugged V = (pi/4)(24^2 - 22^2)/144 = 0.50178 ft3/ft; plugged V = pi ft3/ft.
slopes = {}
for label, v in (("unplugged", math.pi / 4 * (24**2 - 22**2) / 144), ("plugged", math.pi)):
    # delta/phi, type 1: V between 0.4 (0.41) and 0.52 (0.476), or beyond 1.9 (0.798).
    r = 0.41 + (v - 0.4) / 0.12 * (0.476 - 0.41) if v < 0.52 else 0.798
    # CF at phi 30 between curves 0.4 (0.69) and 0.6 (0.82), or 0.6 (0.82) and 0.8 (0.94).
    cf_ = 0.69 + (r - 0.4) / 0.2 * 0.13 if r < 0.6 else 0.82 + (r - 0.6) / 0.2 * 0.12
    # K-delta, phi-30 chart at omega 0: 0.85 + (V - 0.1)/0.9 x 0.3, or 1.15 + (V - 1)/9 x 0.3.
    k = 0.85 + (v - 0.1) / 0.9 * 0.3 if v < 1 else 1.15 + (v - 1) / 9 * 0.3
    slopes[label] = k * cf_ * math.sin(r * 30 / 57.2958) * 0.06
    print(f"{label}: V {v:.6f} delta/phi {r:.6f} CF {cf_:.6f} K-delta {k:.6f} f = {slopes[label]:.6f} z")
# Trial with the pile unplugged. D/b = 30: alpha_t 0.52, N'q 30, q = 0.936 z reaches q_L = 13.32 ksf
# at 14.2 ft. Below 17 ft the full-section force is A 13.32; the annulus carries Aa 13.32 and the
# plug friction pi (22/12) c z^2 / 2 is added. The plug governs (unplugged) while their sum is not
# above the full-section force.
Aa = math.pi / 4 * (24**2 - 22**2) / 144
cu = slopes["unplugged"]
for z in (34, 35):
    open_ = 13.32 * Aa + math.pi * 22 / 12 * cu * z * z / 2
    print(f"z={z}: annulus + plug {open_:.4f}  full {13.32 * A24:.4f}")
print(f"rows 0-34 unplugged, 35 on plugged: f(35) {cu * 35:.6f}  f(36) {slopes['plugged'] * 36:.6f}")
print(f"f(20) unplugged {cu * 20:.6f} plugged {slopes['plugged'] * 20:.6f};"
      f" f(50) unplugged {cu * 50:.6f} plugged {slopes['plugged'] * 50:.6f}")

# ---------------------------------------------------------------------------------------------
section("USACE, closed 24 in pipe, L = 40 ft, sand 60 pcf, K 0.8, option 0")
for phi, nq, dc_side, dc_tip in ((33, 30 + 0.25 * 26, 30, 21), (33.1, 30 + 1.1 / 4 * 26, 30, 31)):
    # Nq between phi 32 (30) and 36 (56). Side friction: driver depth 15 D = 30 ft for 33 <= phi <
    # 36. End bearing: 1 + 10 D = 21 ft up to phi 33, 1 + 15 D = 31 ft above.
    cs = 0.8 * 0.06 * math.tan(0.75 * phi / 57.2958)
    skin = P24 * (cs * dc_side**2 / 2 + cs * dc_side * (40 - dc_side))
    tip = A24 * nq * 0.06 * dc_tip
    print(f"phi {phi}: Nq {nq:.4f}  f(z<=30) = {cs:.6f} z  skin(40) {skin:.4f}  tip(40) {tip:.4f}")
# Option 1 with 100 pcf: s'v reaches 3.5 ksf at 35 ft; phi 33 -> Nq 36.5, held stress 3.5 ksf.
cs = 0.8 * 0.1 * math.tan(0.75 * 33 / 57.2958)
print(f"option 1: f below 35 ft {cs * 35:.6f} ksf  tip(50) {A24 * 36.5 * 3.5:.4f}")

# ---------------------------------------------------------------------------------------------
section("Revised Lambda, closed 24 x 23 in pipe, E 29e6 psi, L = 40 ft")
A_shaft = math.pi / 4 * (24**2 - 23**2)  # in2, the shaft's steel


def compressibility(z, cm):
    return math.pi * 24 * z * z * cm * 1000 / (0.1 * 29e6 * A_shaft)


def lam(pi_, ratio_):
    if pi_ <= 0:
        return 0.0
    v = 0.178 - 0.016 * math.log(pi_) if ratio_ < 0.4 else 0.232 - 0.032 * math.log(pi_)
    return max(v, 0.14)


print(f"Pi(z=40, cm=1) {compressibility(40, 1.0):.6f}")
# Uniform clay su 1.0 ksf, 50 pcf: s'm = 0.025 z, cm = 1.0, cm/s'm >= 0.4 down to 100 ft: the
# overconsolidated line throughout; Q grows at every row, so the rebuilt running sum equals
# lambda (s'm + 2 cm) P z.
z = 40
l40 = lam(compressibility(z, 1.0), 1.0 / (0.025 * z))
print(f"OC clay: lambda(40) {l40:.6f}  skin(40) {l40 * (0.025 * z + 2) * P24 * z:.4f}")
# Soft clay su 0.3 ksf, 60 pcf: s'm = 0.03 z, cm/s'm = 10/z, so the rule changes from the
# overconsolidated to the normally consolidated line at 25 ft, where the total drops; the unit
# friction of a falling row is that of the row above.
Q = [0.0] + [lam(compressibility(z, 0.3), 0.3 / (0.03 * z)) * (0.03 * z + 0.6) * P24 * z
             for z in range(1, 41)]
f, prev = [0.0], 0.0
for j in range(1, 41):
    v = (Q[j] - Q[j - 1]) / P24
    if v < 1e-7:
        v = prev
    prev = v
    f.append(v)
print(f"NC clay: Q(24) {Q[24]:.4f} Q(25) {Q[25]:.4f} (falls); f(25) = f(24) = {f[25]:.6f}")
print(f"         rebuilt skin(40) {P24 * sum(f):.4f}  formula Q(40) {Q[40]:.4f}")

# Sand phi 30, 60 pcf: the strength term is tan(30) s'v, so cm = tan(30) s'm = 0.017320 z and
# cm/s'm = 0.577 (overconsolidated line). The total grows at every row and stays under the API limit
# of 1.7 ksf, so the skin friction is the formula's total.
t30 = math.tan(30 / 57.2958)
for z in (20, 40):
    sm = 0.03 * z
    cm = t30 * sm
    lz = lam(compressibility(z, cm), cm / sm)
    print(f"sand: lambda({z}) {lz:.6f}  skin({z}) {lz * (sm + 2 * cm) * P24 * z:.4f}")

# ---------------------------------------------------------------------------------------------
section("User-specified load transfer, 24 in pile, L = 40 ft")
# 500 psf friction and 40000 psf bearing everywhere; LRFD 0.8 on friction, 0.5 on bearing (the
# latter not applied to this table). Tip area 0.7853975 x 2^2.
skin = 3.14159 * 2 * 0.5 * 40 * 0.8
end = 0.7853975 * 4 * 40
print(f"skin(40) {skin:.4f}  end {end:.4f}  ultimate {skin + end:.4f}")
