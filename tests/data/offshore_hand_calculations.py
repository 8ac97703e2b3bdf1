#!/usr/bin/env python3
"""Hand calculations behind the tests of the cone-based offshore methods
(tests/engine/methods/{ngi,icp,fugro,uwa}_method_test.cpp, cone_clay_rule_test.cpp and
penetration_phase_cone_methods_test.cpp), worked from the published formulas NGI-05, ICP-05, Fugro-05 and UWA-05
in the form the engine uses them. Run it to print every expected value.

The stated pile (S.I.): open pipe OD = 914 mm, EID = 864 mm, L = 40 m; R = 457 mm,
R* = sqrt(457^2 - 432^2) = sqrt(22225) mm. pa = 100 kPa.
Sand segment: top at z = 20 m (h = 20 000 mm), qc = 15 000 kPa, s'v = 160 kPa, phi = 35 deg.
Clay segment: top at z = 10 m (h = 30 000 mm), su = 60, sur = 30 kPa, PI = 30 %, YSR = 2,
s'v = 100 kPa (top) and 105 kPa (bottom), qc = 1 200 kPa.
"""
import math

PA = 100.0
OD, EID, L = 914.0, 864.0, 40.0
R = OD / 2
RSTAR = math.sqrt(R**2 - (EID / 2) ** 2)
DR = 0.02  # mm, radial dilation at the shaft
tan = lambda deg: math.tan(math.radians(deg))


def show(name, value):
    print(f"{name:55s} {value:.10g}")


# ---- NGI-05, sand ------------------------------------------------------------------------
def ngi_dr(qc, sv):
    return max(0.4 * math.log(qc / (22 * math.sqrt(sv * PA))), 0.200001) if qc > 0 else 0.200001


def ngi_sand(qc, sv, z_over_l, open_ended, tension=False, concrete=False):
    dr = ngi_dr(qc, sv)
    f_dr = 2.1 * (dr - 0.1) ** 1.7
    f_sig = (sv / PA) ** 0.25
    f_tip = 1.0 if open_ended else 1.6
    f_load = 1.0 if tension else 1.3
    f_mat = 1.2 if concrete else 1.0
    return z_over_l * PA * f_dr * f_sig * f_tip * f_load * f_mat


show("NGI Dr sand (qc 15000, s'v 160)", ngi_dr(15000, 160))
show("NGI f sand open, compression", ngi_sand(15000, 160, 0.5, True))
show("NGI f sand closed, tension, concrete", ngi_sand(15000, 160, 0.5, False, True, True))
# Loose: qc 1000 gives ln(1000 / 2782.8) < 0, Dr raised to 0.200001: F_Dr = 2.1 (0.100001)^1.7
show("NGI Dr loose (qc 1000)", ngi_dr(1000, 160))
show("NGI f sand loose open", ngi_sand(1000, 160, 0.5, True))
# End bearing with Dr of the segment bottom
dr = ngi_dr(15000, 160)
show("NGI q sand closed 0.8 qc/(1+Dr^2)", 0.8 * 15000 / (1 + dr * dr))
show("NGI q sand open 0.7 qc/(1+3Dr^2)", 0.7 * 15000 / (1 + 3 * dr * dr))


# ---- NGI-05, clay ------------------------------------------------------------------------
def ngi_clay(su, sur, sv, pi, open_ended):
    psi = su / sv
    f_tip = 0.8 + 0.2 * math.sqrt(psi) if open_ended else 1.0
    if psi < 0.25:
        p = 10.000001 if pi <= 10 else pi
        return 0.08 * (p - 10) ** 0.3 * sv, 0.32 * (p - 10) ** 0.3 * sur
    if psi > 1:
        a = 0.5 / psi**0.3
        return a * su * f_tip, a * sur
    p = 12.000001 if pi <= 12 else pi
    anc = 0.32 * (p - 10) ** 0.3
    a = anc + (psi - 0.25) * (0.5 / psi**0.3 - anc) / 0.75
    fmin = 0.06 * (p - 12) ** 0.33 * sv
    return max(a * su * f_tip, fmin), max(a * sur, fmin)


# psi = 60/105 (bottom stress) = 0.5714: interpolation branch
show("NGI clay psi", 60 / 105)
show("NGI clay f open (psi 0.5714)", ngi_clay(60, 30, 105, 30, True)[0])
show("NGI clay plug (psi 0.5714)", ngi_clay(60, 30, 105, 30, True)[1])
show("NGI clay f closed (psi 0.5714)", ngi_clay(60, 30, 105, 30, False)[0])
# psi exactly 0.25 (su 25, s'v 100): alpha = alpha_NC = 0.32 x 20^0.3; F_tip closed = 1
show("NGI clay alpha_NC PI 30", 0.32 * 20**0.3)
show("NGI clay f psi 0.25 closed", ngi_clay(25, 10, 100, 30, False)[0])
# An open end tells the branches apart at psi = 0.25: the interpolation branch multiplies by
# F_tip = 0.8 + 0.2 sqrt(0.25) = 0.9 and bounds f and the plug by 0.06 x 18^0.33 x 100 (PI 30),
# where the branch below 0.25 would give 0.08 x 20^0.3 x 100 = 19.65 and a plug of 0.786 sur.
show("NGI clay f psi 0.25 open", ngi_clay(25, 10, 100, 30, True)[0])
show("NGI clay plug psi 0.25 open (minimum)", ngi_clay(25, 10, 100, 30, True)[1])
# psi below 0.25 (su 10, s'v 100): 0.08 x 20^0.3 x 100
show("NGI clay f psi 0.1", ngi_clay(10, 5, 100, 30, False)[0])
show("NGI clay plug psi 0.1", ngi_clay(10, 5, 100, 30, False)[1])
# psi above 1 (su 200, s'v 100): alpha = 0.5 / 2^0.3, open F_tip = 0.8 + 0.2 sqrt 2
show("NGI clay f psi 2 open", ngi_clay(200, 100, 100, 30, True)[0])
# Lower bound governs: PI 60, psi 0.3 (su 30, s'v 100), closed
show("NGI clay f psi 0.3 PI 60 (alpha su)", (0.32 * 50**0.3 + 0.05 * (0.5 / 0.3**0.3 - 0.32 * 50**0.3) / 0.75) * 30)
show("NGI clay minimum 0.06 (48)^0.33 100", 0.06 * 48**0.33 * 100)


# ---- ICP-05, sand ------------------------------------------------------------------------
# G/qc = 1 / (0.0203 + 0.00125 eta - 1.216e-6 eta^2) falls with eta up to the turning point of the
# quadratic, eta = 0.00125 / (2 x 1.216e-6) = 514, then rises through a pole at eta = 1044 to
# negative values; eta is held at 514 (shallow stresses under a large qc).
ETA_TURN = 0.00125 / (2 * 1.216e-6)
def icp_sand(qc, sv, h_over_r, radius, phi, open_ended, tension=False, dr=DR):
    rc = 0.029 * qc * (sv / PA) ** 0.13 * max(h_over_r, 8) ** -0.38
    eta = min(qc / math.sqrt(max(sv, 1e-10) * PA), ETA_TURN)
    g = qc / (0.0203 + 0.00125 * eta - 1.216e-6 * eta**2)
    rd = 2 * g * dr / radius
    if tension:
        rc *= 0.8
    total = rc + rd
    if tension and open_ended:
        total *= 0.9
    return total * tan(phi - 5)


hr = 20000 / RSTAR
show("R*", RSTAR)
show("h/R* sand segment", hr)
show("ICP sigma'rc", 0.029 * 15000 * 1.6**0.13 * hr**-0.38)
eta = 15000 / math.sqrt(160 * PA)
show("ICP eta", eta)
show("ICP G", 15000 / (0.0203 + 0.00125 * eta - 1.216e-6 * eta**2))
show("ICP f sand compression", icp_sand(15000, 160, hr, R, 35, True))
show("ICP f sand tension open", icp_sand(15000, 160, hr, R, 35, True, True))
show("ICP f sand tension closed", icp_sand(15000, 160, hr, R, 35, False, True))
show("ICP f sand h/R* 3 uses 8", icp_sand(15000, 160, 3, R, 35, True))
show("ICP eta turning point", ETA_TURN)
show("ICP G/qc at the turning point", 1 / (0.0203 + 0.00125 * ETA_TURN - 1.216e-6 * ETA_TURN**2))
show("ICP f sand at the surface (eta held at 514)", icp_sand(15000, 0, 100, R, 35, True))
show("ICP s'v where eta = 1044 for qc 15000", (15000 / 1044) ** 2 / PA)


def open_bearing(qc, d):
    q = qc * (0.5 - 0.25 * math.log10(d / 36))
    return max(q, 0.15 * qc) if d > 900 else q


def closed_bearing(qc, d):
    q = qc * (1 - 0.5 * math.log10(d / 36))
    return max(q, 0.3 * qc) if d > 900 else q


# D = 914 mm > 900: log10(914/36) = 1.4046, 0.5 - 0.351 = 0.149 < 0.15 and 1 - 0.702 = 0.298 < 0.3
show("open rule 914 mm (bound 0.15 qc)", open_bearing(15000, 914))
show("closed rule 914 mm (bound 0.3 qc)", closed_bearing(15000, 914))
# D = 610 mm: no bound
show("open rule 610 mm", open_bearing(15000, 610))
show("closed rule 610 mm", closed_bearing(15000, 610))
# English 24 in = 609.6 mm, qc 300 ksf
show("open rule 24 in, qc 300 ksf", open_bearing(300, 24 * 25.4))


# ---- Fugro-05, sand ----------------------------------------------------------------------
def fugro_sand(qc, sv, h_over_r, tension=False):
    if tension:
        return 0.045 * qc * (sv / PA) ** 0.15 * max(h_over_r, 4) ** -0.85
    base = 0.08 * qc * (sv / PA) ** 0.05
    return base * h_over_r**-0.9 if h_over_r > 4 else base * 4**-0.9 * (h_over_r / 4)


show("Fugro f sand compression", fugro_sand(15000, 160, hr))
show("Fugro f sand tension", fugro_sand(15000, 160, hr, True))
show("Fugro f sand h/R* = 4", fugro_sand(15000, 160, 4))
show("Fugro f sand h/R* = 2", fugro_sand(15000, 160, 2))
show("Fugro f sand h/R* = 4.4", fugro_sand(15000, 160, 4.4))
show("Fugro f sand tension h/R* = 2 (uses 4)", fugro_sand(15000, 160, 2, True))


# ---- UWA-05, sand ------------------------------------------------------------------------
def uwa_sand(qc, sv, h_over_d, ar, d, phi, tension=False, dr=DR, pa=PA):
    rc = 0.03 * qc * ar**0.3 * max(h_over_d, 2) ** -0.5
    qc1n = (qc / pa) / math.sqrt(max(sv / pa, 1e-7))
    g = 185 * qc / qc1n**0.75 if qc > 0 else 0.0
    rd = 4 * g * dr / d
    f = (rc + rd) * tan(phi - 5)
    return 0.75 * f if tension else f


AR = 1 - (EID / OD) ** 2
show("UWA Ar shaft", AR)
show("UWA f sand compression", uwa_sand(15000, 160, 20000 / OD, AR, OD, 35))
show("UWA f sand tension", uwa_sand(15000, 160, 20000 / OD, AR, OD, 35, True))
show("UWA f sand h/D 1 uses 2 (closed, Ar 1)", uwa_sand(15000, 160, 1, 1.0, OD, 35))


def uwa_bearing(qc, eid_m, ratio, open_ended, plugged):
    ffr = min(1.0, (eid_m / 1.5) ** 0.2)
    ar = 1 - ffr * ratio**2
    lower = 0.15 if open_ended and not plugged else 0.3
    return max((0.15 + 0.45 * ar) * qc, lower * qc)


ffr = (0.864 / 1.5) ** 0.2
show("UWA FFR 864 mm", ffr)
show("UWA q open unplugged", uwa_bearing(15000, 0.864, EID / OD, True, False))
show("UWA q open plugged (0.3 qc bound)", uwa_bearing(15000, 0.864, EID / OD, True, True))
show("UWA q closed (0.6 qc)", uwa_bearing(15000, 0.0, 0.0, False, False))
# Thin wall 2000 x 1960 mm: FFR = 1, Ar = 1 - 0.9604 = 0.0396, bound 0.15 qc governs
show("UWA q 2000/1960 open", uwa_bearing(15000, 1.96, 0.98, True, False))
# English 48 in OD, 46 in EID = 1.1684 m, qc 300 ksf
show("UWA q English 48/46 in", uwa_bearing(300, 46 * 0.0254, 46 / 48, True, False))


# ---- Clay rule of ICP/MTD, Fugro and UWA (ICP-05) -----------------------------------------
ANGLES = [34, 32, 29, 27, 24.5, 22.5, 20, 18.5, 17, 15.2, 14.7, 13, 12.3, 11.5, 10, 9.2, 8.5]


def delta_f(pi):
    if pi <= 0:
        return ANGLES[0]
    if pi >= 80:
        return ANGLES[-1]
    i = int(pi // 5)
    return ANGLES[i] + (pi - 5 * i) / 5 * (ANGLES[i + 1] - ANGLES[i])


def clay_rule(su, sur, ysr, pi, sv, h_over_r):
    kc = (2 - 0.625 * math.log10(su / sur)) * ysr**0.42 * max(h_over_r, 8) ** -0.2
    return 0.8 * max(kc, 0) * sv * tan(delta_f(pi))


hr_clay = 30000 / RSTAR
show("delta_f PI 30", delta_f(30))
show("delta_f PI 37", delta_f(37))
show("clay h/R*", hr_clay)
show("clay Kc", (2 - 0.625 * math.log10(2)) * 2**0.42 * hr_clay**-0.2)
show("clay f top (s'v 100)", clay_rule(60, 30, 2, 30, 100, hr_clay))
show("clay f bottom (s'v 105)", clay_rule(60, 30, 2, 30, 105, hr_clay))
show("clay f h/R* 3 uses 8", clay_rule(60, 30, 2, 30, 100, 3))
show("clay f PI -1 uses 34 deg", clay_rule(60, 30, 2, -1, 100, hr_clay))
show("clay q open unplugged drained/undrained", 1.6 * 1200)
print("clay q: open plugged 0.65 / 0.4 qc, closed 1.3 / 0.8 qc")

# ---- Through the penetration phase --------------------------------------------------------
# A uniform clay to 20 m, closed pile OD 1000 mm, L = 10 m, dz = 0.5 m, gamma' = 8: segment with
# top 8.5 m has h = 1500 mm, R* = 500 mm, h/R* = 3 -> warning, 8 used. Its bottom value (row 18,
# z = 9 m, s'v = 72 kPa) with su 40, sur 20, YSR 1.5, PI 25:
kc = (2 - 0.625 * math.log10(2)) * 1.5**0.42 * 8**-0.2
show("phase clay f row 18 (h/R* 3 -> 8)", 0.8 * kc * 72 * tan(delta_f(25)))
# The segment with top 6.0 m has h/R* = 8 exactly: no warning. Segments with top 6.5 .. 9.5 m warn:
print("phase clay warnings for segment tops 6.5, 7.0, ... 9.5 m: 7 lines")

# qc from a CPT profile between two points: sand, English, profile (10 ft, 100000 psf) and
# (30 ft, 200000 psf). The friction at row 20 is that of the segment 19..20 ft at its bottom
# reading, 20 ft: qc = 150000 psf = 150 ksf (the mid-depth 19.5 ft would read 147.5 ksf).
show("CPT qc at 20 ft, ksf", (100000 + (200000 - 100000) * (20 - 10) / 20) / 1000)
# Fugro friction at row 20, closed 24 in pile (R* = 12 in), L = 60 ft, gamma' = 60 pcf:
# s'v = 1.2 ksf, h = (60 - 20) x 12 = 480 in, h/R* = 40, pa = 2.0885546 ksf
pa_e = 2.0885546
qc = 150.0
show("phase Fugro f row 20 (English)", 0.08 * qc * (1.2 / pa_e) ** 0.05 * 40**-0.9)

# The other methods at the same reading (z = 20 ft for z/L and h, s'v = 1.2 ksf), English units:
# pa = 2.0885546 ksf, dr = 0.0007874 in, closed end, phi 30.
sv = 1.2
dr_ngi = max(0.4 * math.log(qc / (22 * math.sqrt(sv * pa_e))), 0.200001)
show("phase NGI f row 20 (English, closed)",
     20 / 60 * pa_e * 2.1 * (dr_ngi - 0.1) ** 1.7 * (sv / pa_e) ** 0.25 * 1.6 * 1.3)
eta_e = qc / math.sqrt(sv * pa_e)
g_e = qc / (0.0203 + 0.00125 * eta_e - 1.216e-6 * eta_e**2)
show("phase ICP f row 20 (English)",
     (0.029 * qc * (sv / pa_e) ** 0.13 * 40**-0.38 + 2 * g_e * 0.0007874 / 12) * tan(25))
qc1n = (qc / pa_e) / math.sqrt(sv / pa_e)
show("phase UWA f row 20 (English)",
     (0.03 * qc * 1.0 * (480 / 24) ** -0.5 + 4 * 185 * qc / qc1n**0.75 * 0.0007874 / 24) * tan(25))

# Tip of an open pipe 914 x 864 mm in uniform sand with qc 15 000 kPa (ICP/MTD): the full section
# carries 0.15 qc (D > 900 mm) on pi/4 0.914^2 m2 wherever the 3 D window lies in the soil; the
# annulus carries qc on pi/4 (0.914^2 - 0.864^2) m2, plus the plug friction unless unplugged.
a_full = math.pi / 4 * 0.914**2
a_ann = math.pi / 4 * (0.914**2 - 0.864**2)
show("phase ICP full section 0.15 qc A, kN", 0.15 * 15000 * a_full)
show("phase ICP annulus qc Aa, kN", 15000 * a_ann)
# A closed 914 mm pile in uniform clay with qc 1 200 kPa and plug code 1: still 0.8 qc (undrained)
# or 1.3 qc (drained) on the full section, not the plugged open-end values 0.4 / 0.65 qc.
show("phase ICP closed clay undrained, kN", 0.8 * 1200 * a_full)
show("phase ICP closed clay drained, kN", 1.3 * 1200 * a_full)

# ---- The plug computed by the program, open piles in clay (ICP/MTD, Fugro, UWA) ------------
# An open end either bears as a plug (the plugged unit bearing on the full section) or cores (qc on
# the annulus plus the friction of the soil inside); the program takes the smaller.
# Open pipe 1830 x 50 mm (EID 1730 mm), tip at 45 m, uniform stiff clay to 60 m with qc 3 500 kPa
# (su 175, sur 100, YSR 4, PI 30, gamma' 9): the 3 D window (45 -/+ 2.745 m) lies in the clay, so
# the section average is qc itself.
a_full_183 = math.pi / 4 * 1.83**2
a_ann_183 = math.pi / 4 * (1.83**2 - 1.73**2)
show("plug 1830 plugged, undrained 0.4 qc A, kN", 0.4 * 3500 * a_full_183)
show("plug 1830 plugged, drained 0.65 qc A, kN", 0.65 * 3500 * a_full_183)
show("plug 1830 unplugged, qc on the annulus, kN", 3500 * a_ann_183)
show("plug 1830 full section at 1.0 qc (the former computed leg), kN", 1.0 * 3500 * a_full_183)
# The plug's friction at 45 m is far above the plugged value: R* = 298.3 mm, h/R* from 151 at the
# mudline to 8 near the tip, Kc = 1.848 x 4^0.42 x (h/R*)^-0.2 = 1.21 .. 2.18, tan(22.5) = 0.414, so
# the friction inside is 0.40 .. 0.72 s'v (s'v = 9 z): over 45 m about pi 1.73 x 0.45 x 9 x 45^2 / 2
# ~ 20 MN, and the plugged leg governs.

# The shipped open pipe 914 x 864 mm at a pile length of 10 m: soft clay 0..12 m with qc 800 kPa at
# the mudline and 1 200 kPa at 12 m (each 0.5 m segment takes qc at its mid-depth). The window
# 10 -/+ 1.371 m lies in the clay; its two part segments (8.629..9 m at qc(8.75) = 1091.67 and
# 11..11.371 m at qc(11.25) = 1175) are equally long, so the mean is qc(10) = 1133.33 kPa.
qc10 = 800 + 400 * 10 / 12
mean10 = (0.371 * (800 + 400 * 8.75 / 12) + 2 * qc10 + 0.371 * (800 + 400 * 11.25 / 12)) / (2 * 0.371 + 2)
show("example at 10 m: window mean qc, kPa", mean10)
show("example at 10 m: plugged 0.4 qc A, kN", 0.4 * mean10 * math.pi / 4 * 0.914**2)
