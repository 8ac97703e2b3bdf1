#!/usr/bin/env python3
"""An independent peer of the five cone-based methods, and ten profiles to compare it on.

Written from the published equations, sharing nothing with the program but the project files
it builds:

  NGI      Clausen, Aas and Karlsrud (2005), sand; Karlsrud, Clausen and Aas (2005), clay
  ICP/MTD  Jardine, Chow, Foray and Overy (2005), sand and clay
  Fugro    Kolk, Baaijens and Senders (2005), sand
  UWA      Lehane, Schneider and Xu (2005), sand
  Unified  Lehane et al. (2020), sand; Lehane et al. (2022), clay

ICP/MTD, Fugro and UWA share the ICP clay rule. Where the program takes a rule of its own, which
its technical manual names, the peer computes both: the published one (reported) and the
program's (compared):

  clay Kc     ICP-05 (2.2 + 0.016 YSR - 0.870 log10 St) against the MTD form of Jardine and Chow
              (1996), (2 - 0.625 log10 St), which the program uses;
  UWA shaft   Ar = 1 - IFR (Di/D)^2 with IFR = min(1, (Di/1.5 m)^0.2) against IFR = 1;
  Fugro base  Fugro-05's qb = 8.5 pa (qc/pa)^0.5 Ar^0.25 against the ICP-05 diameter rule.

The tip of the four older methods is the unit end bearing averaged on the full section over 1.5 D
above and below the row (nothing counted above the ground), and for an open pile whose plug is
computed the smaller of that and qc on the annulus plus the friction inside the plug (the shaft's
own friction in sand and by the clay rule, alpha sur by NGI in clay). The Unified base is
qb0.1 = (0.12 + 0.38 Are) qp in sand and (0.2 + 0.6 Are) qp in clay, qp the mean qc over 1.5 Deq
(sand, Deq = D Are^0.5) or 1.5 D (clay) either side of the row, cut at the ground.

Every quantity is taken at its own depth: qc linear between the sounding's rows of the layer, the
effective stress summed from the layers' unit weights, h = L - z from the final tip. The skin
friction is pi D times the integral of the unit friction from the ground to the row, by Simpson's
rule between the sounding's rows and the layer boundaries (each piece cut into 8).

Usage:
  cone_peer_set.py --torve PATH_TO_TORVE [--keep DIR] [--markdown]
                                                        compare every row with `torve run --csv`
  cone_peer_set.py --print                              the peer's values at the tips only
Exit status 1 when a compared row differs by more than 1 %.
"""
import bisect
import csv
import math
import os
import subprocess
import sys
import tempfile

# ----------------------------------------------------------------------------- units


class Units:
    def __init__(self, english):
        self.english = english
        self.pa = 2.0885546 if english else 100.0  # ksf or kPa
        self.du = 12.0 if english else 1000.0  # diameter unit (in, mm) per length unit (ft, m)
        self.mm = 25.4 if english else 1.0  # mm per diameter unit
        self.dr = 0.02 / self.mm  # 0.02 mm radial shift in the diameter unit
        self.gamma = 1000.0 if english else 1.0  # unit weight (pcf, kN/m3) per stress/length
        self.qc = 1000.0 if english else 1.0  # qc as entered (psf, kPa) per stress unit


# ----------------------------------------------------------------------------- profiles


class Layer:
    def __init__(self, top, bottom, sand, gamma, **kw):
        self.top, self.bottom, self.sand, self.gamma = top, bottom, sand, gamma
        self.phi = kw.get("phi", 34.0)
        self.su = kw.get("su", (0.0, 0.0))  # at top and bottom
        self.st = kw.get("st", 2.0)  # sensitivity su/sur
        self.ysr = kw.get("ysr", 2.0)
        self.pi = kw.get("pi", 30.0)
        self.qc = kw.get("qc")  # function of depth, in the entered unit
        self.own_qc = kw.get("own_qc", False)  # entered as the layer's qc instead of CPT rows
        self.extent = (top, bottom)  # where its soil points lie: its strength line and its rows

    def su_at(self, z):
        top, bottom = self.extent
        u = (z - top) / (bottom - top)
        return self.su[0] + u * (self.su[1] - self.su[0])

    def moved(self, top, bottom):
        """The layer acting from `top` to `bottom`, its soil points where they were."""
        out = Layer.__new__(Layer)
        out.__dict__.update(self.__dict__)
        out.top, out.bottom = top, bottom
        return out


class Profile:
    def __init__(self, name, english, od, wall, length, increment, layers, spacing=0.04, plug=0):
        self.name, self.english, self.od, self.length, self.increment = name, english, od, length, increment
        self.eid = od - 2 * wall if wall > 0 else 0.0
        self.layers, self.spacing, self.plug = layers, spacing, plug
        self.u = Units(english)
        self.rows = self.cpt_rows()
        assert len(self.rows) <= 1000, (name, len(self.rows))  # the CPT data file's limit

    def on_grid(self):
        """The profile as the program's segments see it: a segment takes the soil of the layer its
        top lies in, so a boundary between segment ends acts at the next segment end, the upper
        layer's last cone reading held down to it."""
        out = Profile.__new__(Profile)
        out.__dict__.update(self.__dict__)
        dz = self.increment
        tops = [math.ceil(l.top / dz - 1e-6) * dz for l in self.layers]
        bottoms = tops[1:] + [self.layers[-1].bottom]
        out.layers = [l.moved(t, b) for l, t, b in zip(self.layers, tops, bottoms)]
        return out

    def off_grid(self):
        dz = self.increment
        return any(abs(l.top / dz - round(l.top / dz)) > 1e-6 for l in self.layers)

    def cpt_rows(self):
        """Rows every `spacing` in each layer read from its CPT function, with a row of each layer on
        both its boundaries (a step is two rows at one depth, the upper layer's first)."""
        out = []
        for layer in self.layers:
            if layer.own_qc:
                continue
            n = max(1, int(round((layer.bottom - layer.top) / self.spacing)))
            for i in range(n + 1):
                z = layer.top + (layer.bottom - layer.top) * i / n
                out.append((round(z, 6), layer.qc(z)))
        return out

    def layer_rows(self, layer):
        top, bottom = layer.extent
        return [r for r in self.rows if top - 1e-9 <= r[0] <= bottom + 1e-9] if not layer.own_qc else []

    def layer_of(self, z):
        for layer in self.layers:
            if layer.top <= z < layer.bottom:
                return layer
        return self.layers[-1]

    def breaks(self):
        """Depths between which every quantity is smooth: boundaries and CPT rows."""
        pts = {0.0, self.layers[-1].bottom}
        for layer in self.layers:
            pts.add(layer.top)
            pts.add(layer.bottom)
        for z, _ in self.rows:
            pts.add(z)
        return sorted(pts)

    # --- soil at a depth (inside a layer: the caller passes the layer)
    def qc(self, layer, z):
        """qc in the stress unit (kPa or ksf)."""
        if layer.own_qc:
            return max(layer.qc(z), 0.0) / self.u.qc
        rows, depths = self.layer_tables[id(layer)]
        if z <= rows[0][0]:
            return rows[0][1] / self.u.qc
        if z >= rows[-1][0]:
            return rows[-1][1] / self.u.qc
        i = bisect.bisect_right(depths, z)
        (z0, q0), (z1, q1) = rows[i - 1], rows[i]
        return (q0 + (q1 - q0) * (z - z0) / (z1 - z0)) / self.u.qc

    def stress(self, z):
        s = 0.0
        for layer in self.layers:
            if z <= layer.top:
                break
            s += layer.gamma / self.u.gamma * (min(z, layer.bottom) - layer.top)
        return s

    def prepare(self):
        self.layer_tables = {}
        for layer in self.layers:
            rows = self.layer_rows(layer)
            if not layer.own_qc:
                # the layer's own side of each step: the last row at its top, the first at its bottom
                t, b = layer.extent
                top = [r for r in rows if abs(r[0] - t) < 1e-9]
                bottom = [r for r in rows if abs(r[0] - b) < 1e-9]
                inner = [r for r in rows if t + 1e-9 < r[0] < b - 1e-9]
                table = [top[-1]] + inner + [bottom[0]]
                self.layer_tables[id(layer)] = (table, [r[0] for r in table])
        self.break_depths = self.breaks()


# ----------------------------------------------------------------------------- the methods

MTD, ICP05 = "MTD", "ICP-05"
DELTA_F = [34, 32, 29, 27, 24.5, 22.5, 20, 18.5, 17, 15.2, 14.7, 13, 12.3, 11.5, 10, 9.2, 8.5]


def delta_f(pi):
    """ICP-05 ultimate interface angle of clay against steel, from PI (%)."""
    if pi <= 0:
        return DELTA_F[0]
    if pi >= 80:
        return DELTA_F[-1]
    i = int(pi // 5)
    return DELTA_F[i] + (pi - 5 * i) / 5 * (DELTA_F[i + 1] - DELTA_F[i])


class Peer:
    """Unit friction, plug friction and unit end bearing of every method for one profile."""

    def __init__(self, p, kc_rule=MTD, uwa_ifr_one=True, fugro_base_icp=True):
        self.p, self.u = p, p.u
        self.kc_rule, self.uwa_ifr_one, self.fugro_base_icp = kc_rule, uwa_ifr_one, fugro_base_icp
        self.D = p.od  # diameter unit
        self.Di = p.eid
        self.open = p.eid > 0
        self.r_star = math.sqrt(self.D**2 - self.Di**2) / 2
        self.d_mm = self.D * self.u.mm
        # Unified geometry
        dcpt = 35.7 / self.u.mm
        self.plr = math.tanh(0.3 * math.sqrt(self.Di / dcpt)) if self.open else 0.0
        self.are = 1 - self.plr * (self.Di / self.D) ** 2
        self.d_star = math.sqrt(self.D**2 - self.Di**2)
        self.dcpt_over_d = dcpt / self.D

    def h(self, z):
        return max((self.p.length - z) * self.u.du, 1e-5)

    # --- clay rule of ICP/MTD, Fugro and UWA
    def icp_clay(self, layer, z, sv):
        su = layer.su_at(z)
        hr = max(self.h(z) / self.r_star, 8.0)
        if self.kc_rule == MTD:
            kc = (2 - 0.625 * math.log10(layer.st)) * layer.ysr**0.42 * hr**-0.2
        else:
            kc = (2.2 + 0.016 * layer.ysr - 0.870 * math.log10(layer.st)) * layer.ysr**0.42 * hr**-0.2
        return 0.8 * kc * sv * math.tan(math.radians(delta_f(layer.pi))) if su > 0 else 0.0

    def friction(self, method, layer, z):
        """(unit shaft friction, unit friction inside the plug) at depth z."""
        u, sv = self.u, self.p.stress(z)
        qc = self.p.qc(layer, z)
        if method == "NGI":
            if layer.sand:
                dr = max(0.4 * math.log(qc / (22 * math.sqrt(max(sv, 1e-10) * u.pa))), 0.200001) if qc > 0 else 0.200001
                f = (z / self.p.length) * u.pa * 2.1 * (dr - 0.1) ** 1.7 * (sv / u.pa) ** 0.25
                f *= (1.0 if self.open else 1.6) * 1.3
                return f, f
            su = layer.su_at(z)
            psi = su / max(sv, 1e-10)
            ftip = 0.8 + 0.2 * math.sqrt(psi) if self.open else 1.0
            if psi < 0.25:
                a_nc = 0.32 * (max(layer.pi, 10.000001) - 10) ** 0.3
                return a_nc * 0.25 * sv, a_nc * su / layer.st
            if psi > 1:
                a = 0.5 * psi**-0.3
                return a * su * ftip, a * su / layer.st
            pi = max(layer.pi, 12.000001)
            a_nc = 0.32 * (pi - 10) ** 0.3
            a = a_nc + (psi - 0.25) * (0.5 * psi**-0.3 - a_nc) / 0.75
            low = 0.06 * (pi - 12) ** 0.33 * sv
            return max(a * su * ftip, low), max(a * su / layer.st, low)
        if method == "Unified":
            h = self.h(z)
            if not layer.sand:
                return 0.07 * qc * max(1.0, h / self.d_star) ** -0.25, 0.0
            radial = qc / 44 * self.are**0.3 * max(1.0, h / self.D) ** -0.4
            dil = qc / 10 * (qc / sv) ** -0.33 * self.dcpt_over_d if sv > 0 and qc > 0 else 0.0
            return (radial + dil) * math.tan(math.radians(29)), 0.0
        if not layer.sand:
            f = self.icp_clay(layer, z, sv)
            return f, f
        tan_d = math.tan(math.radians(layer.phi - 5))
        if method == "ICP/MTD":
            src = 0.029 * qc * (sv / u.pa) ** 0.13 * max(self.h(z) / self.r_star, 8) ** -0.38
            eta = qc / math.sqrt(max(sv, 1e-12) * u.pa)
            g = qc / (0.0203 + 0.00125 * eta - 1.216e-6 * eta**2)
            f = (src + 2 * g * u.dr / (self.D / 2)) * tan_d
        elif method == "Fugro":
            hr = self.h(z) / self.r_star
            base = 0.08 * qc * (sv / u.pa) ** 0.05
            f = base * hr**-0.9 if hr > 4 else base * 4**-0.9 * hr / 4
        else:  # UWA
            ifr = 1.0 if self.uwa_ifr_one else min(1.0, (self.Di * self.u.mm / 1000 / 1.5) ** 0.2)
            ar = 1 - ifr * (self.Di / self.D) ** 2
            src = 0.03 * qc * ar**0.3 * max(self.h(z) / self.D, 2) ** -0.5
            qc1n = (qc / u.pa) / math.sqrt(max(sv / u.pa, 1e-7))
            g = 185 * qc * qc1n**-0.75 if qc > 0 else 0.0
            f = (src + 4 * g * u.dr / self.D) * tan_d
        return f, f

    def bearing(self, method, layer, z):
        """Unit end bearing on the full section of the four older methods."""
        u, qc = self.u, self.p.qc(layer, z)
        if method == "NGI":
            if not layer.sand:
                return 9 * layer.su_at(z)
            sv = self.p.stress(z)
            dr = max(0.4 * math.log(qc / (22 * math.sqrt(max(sv, 1e-10) * u.pa))), 0.200001) if qc > 0 else 0.200001
            return 0.7 * qc / (1 + 3 * dr * dr) if self.open else 0.8 * qc / (1 + dr * dr)
        if not layer.sand:  # undrained; an open end whose plug is computed bears as a plug
            return (0.4 if self.open else 0.8) * qc
        icp_open = qc * max(0.5 - 0.25 * math.log10(self.d_mm / 36), 0.15 if self.d_mm > 900 else -1e9)
        icp_closed = qc * max(1 - 0.5 * math.log10(self.d_mm / 36), 0.3 if self.d_mm > 900 else -1e9)
        if method == "ICP/MTD" or (method == "Fugro" and self.fugro_base_icp):
            return icp_open if self.open else icp_closed
        if method == "Fugro":
            ar = 1 - (self.Di / self.D) ** 2
            return 8.5 * u.pa * (qc / u.pa) ** 0.5 * ar**0.25
        ffr = min(1.0, (self.Di * self.u.mm / 1000 / 1.5) ** 0.2) if self.open else 0.0
        return (0.15 + 0.45 * (1 - ffr * (self.Di / self.D) ** 2)) * qc


# ----------------------------------------------------------------------------- integration


def pieces(p, a, b):
    """Sub-intervals of [a, b] between the profile's break depths."""
    br = p.break_depths
    pts = [a] + br[bisect.bisect_right(br, a):bisect.bisect_left(br, b)] + [b]
    return zip(pts, pts[1:])


def integral(p, fn, a, b, n=8):
    """Integral of fn(layer, z) from a to b, Simpson's rule on each smooth piece."""
    total = 0.0
    for lo, hi in pieces(p, a, b):
        if hi - lo < 1e-12:
            continue
        layer = p.layer_of(0.5 * (lo + hi))
        step = (hi - lo) / n
        s = fn(layer, lo) + fn(layer, hi)
        for i in range(1, n):
            s += (4 if i % 2 else 2) * fn(layer, lo + i * step)
        total += s * step / 3
    return total


METHODS = ["NGI", "ICP/MTD", "Fugro", "UWA", "Unified"]


def peer_tables(p, peer):
    """{method: [(depth, skin friction, end bearing, total)]} at every row of the program's grid."""
    p.prepare()
    u = p.u
    dz = p.increment
    rows = int(p.length / dz + 1e-6) + 1
    depths = [j * dz for j in range(rows)]
    perim = math.pi * peer.D / u.du
    area = math.pi / 4 * (peer.D / u.du) ** 2
    annulus = math.pi / 4 * ((peer.D**2 - peer.Di**2) / u.du**2)
    bottom = p.layers[-1].bottom
    out = {}
    for method in METHODS:
        shaft, plug = [0.0], [0.0]
        for a, b in zip(depths, depths[1:]):
            shaft.append(shaft[-1] + perim * integral(p, lambda l, z: peer.friction(method, l, z)[0], a, b))
            plug.append(plug[-1] + math.pi * peer.Di / u.du * integral(p, lambda l, z: peer.friction(method, l, z)[1], a, b))
        table = []
        for j, z in enumerate(depths):
            if method == "Unified":
                below = p.layer_of(z + 1e-9)
                w = 1.5 * peer.D / u.du * (math.sqrt(peer.are) if below.sand else 1.0)
                lo, hi = max(z - w, 0.0), min(z + w, bottom)
                qp = integral(p, lambda l, x: p.qc(l, x), lo, hi) / (hi - lo)
                qb = (0.12 + 0.38 * peer.are) * qp if below.sand else (0.2 + 0.6 * peer.are) * qp
                end = qb * area
            else:
                w = 1.5 * peer.D / u.du
                lo, hi = max(z - w, 0.0), min(z + w, bottom)
                full = area * integral(p, lambda l, x: peer.bearing(method, l, x), lo, hi)
                if z + w > bottom:
                    full += area * peer.bearing(method, p.layers[-1], bottom) * (z + w - bottom)
                full /= 2 * w
                end = full
                if peer.open:
                    ann = annulus * p.qc(p.layer_of(z - 1e-9) if z > 0 else p.layers[0], z)
                    end = min(full, ann + plug[j])
            table.append((z, shaft[j], end, shaft[j] + end))
        out[method] = table
    return out


# ----------------------------------------------------------------------------- the ten profiles


def wavy(a, b, top, amplitude=0.08, wave=1.3):
    """qc rising from a at the layer top by b per unit depth, with a wave of +-8 %."""
    return lambda z: (a + b * (z - top)) * (1 + amplitude * math.sin(2 * math.pi * z / wave))


def profiles():
    si, en = False, True
    sand = dict(phi=34.0)
    out = []
    # 1. sand, open pipe, S.I.
    out.append(Profile("sand-open-si", si, 914, 25, 20.0, 0.25,
                       [Layer(0, 30, True, 10, qc=wavy(2000, 800, 0), **sand)]))
    # 2. sand, closed pile, S.I.
    out.append(Profile("sand-closed-si", si, 610, 0, 18.0, 0.2,
                       [Layer(0, 25, True, 9.5, qc=wavy(1500, 900, 0), phi=32)]))
    # 3. clay, open pipe, S.I. (overconsolidated crust over lighter clay)
    out.append(Profile("clay-open-si", si, 1220, 25, 30.0, 0.5,
                       [Layer(0, 40, False, 8, su=(20, 180), st=2.5, ysr=2.0, pi=35, qc=wavy(300, 70, 0))], spacing=0.05))
    # 4. clay, closed pile, English
    out.append(Profile("clay-closed-en", en, 24, 0, 80.0, 1.0,
                       [Layer(0, 110, False, 55, su=(0.4, 2.4), st=2.0, ysr=1.5, pi=25,
                              qc=wavy(8000, 450, 0))], spacing=0.15))
    # 5. sand-clay-sand, 1220 x 25 mm pipe to 35 m, boundaries on segment ends
    scs = [Layer(0, 15, True, 10, qc=wavy(4000, 1000, 0), phi=34),
           Layer(15, 25, False, 8, su=(80, 120), st=2, ysr=2, pi=25, qc=wavy(2000, 100, 15)),
           Layer(25, 45, True, 10, qc=wavy(20000, 500, 25), phi=36)]
    out.append(Profile("sand-clay-sand-si", si, 1220, 25, 35.0, 0.5, scs, spacing=0.05))
    # 6. the same profile with its boundaries between segment ends (15.1 m and 24.85 m)
    scs_off = [Layer(0, 15.1, True, 10, qc=wavy(4000, 1000, 0), phi=34),
               Layer(15.1, 24.85, False, 8, su=(80, 120), st=2, ysr=2, pi=25, qc=wavy(2000, 100, 15.1)),
               Layer(24.85, 45, True, 10, qc=wavy(20000, 500, 24.85), phi=36)]
    out.append(Profile("sand-clay-sand-off-grid-si", si, 1220, 25, 35.0, 0.25, scs_off, spacing=0.05))
    # 7. layered with thin layers: a 0.4 m clay lens and a 0.6 m sand lens
    thin = [Layer(0, 6, True, 10, qc=wavy(3000, 900, 0), phi=33),
            Layer(6, 6.4, False, 8, su=(40, 42), st=2, ysr=3, pi=30, qc=lambda z: 900),
            Layer(6.4, 12, True, 10, qc=wavy(8000, 700, 6.4), phi=35),
            Layer(12, 18, False, 8.5, su=(70, 100), st=2.5, ysr=2, pi=40, qc=wavy(1500, 80, 12)),
            Layer(18, 18.6, True, 10, qc=lambda z: 25000, phi=36),
            Layer(18.6, 30, False, 8.5, su=(105, 150), st=2.5, ysr=2, pi=40, qc=wavy(1800, 80, 18.6))]
    out.append(Profile("thin-layers-si", si, 762, 19, 24.0, 0.2, thin, spacing=0.04))
    # 8. sand, open pipe, English
    out.append(Profile("sand-open-en", en, 48, 1, 90.0, 1.0,
                       [Layer(0, 130, True, 62, qc=wavy(30000, 3000, 0, wave=4.0), phi=35)], spacing=0.15))
    # 9. clay over sand, closed pile, English, the layers' own qc (no sounding)
    out.append(Profile("clay-over-sand-own-qc-en", en, 30, 0, 70.0, 0.5,
                       [Layer(0, 40, False, 50, su=(0.5, 1.7), st=2, ysr=1.8, pi=30, own_qc=True,
                              qc=lambda z: 10000 + 500 * z),
                        Layer(40, 110, True, 60, phi=35, own_qc=True, qc=lambda z: 150000 + 3000 * (z - 40))]))
    # 10. sand over clay, closed pile, S.I., a sounding much finer than the increment
    out.append(Profile("sand-over-clay-closed-si", si, 1000, 0, 28.0, 0.5,
                       [Layer(0, 12, True, 10, qc=wavy(5000, 1200, 0, amplitude=0.15, wave=0.9), phi=35),
                        Layer(12, 40, False, 8, su=(60, 200), st=3, ysr=1.5, pi=45,
                              qc=wavy(1200, 90, 12, amplitude=0.15, wave=0.9))], spacing=0.05))
    return out


# ----------------------------------------------------------------------------- project files


def project_text(p):
    """The project in the input data file's layout (records 1 to 16)."""
    u = p.u
    # NGI, ICP/MTD, Fugro, UWA and Unified selected; UWA carries the load transfer
    lines = [
        p.name, "cone peer set", "PEER",
        f"{1 if p.english else 2} 1 {2 * len(p.layers)}",
        f"0 0 {p.od:g} {p.eid:g} {30000000 if p.english else 210000000} {p.length:g} 0",
        "0 0",
        f"0 {p.increment:g} 1 0 10 1 0",
        "0 0 0 0 0 1 1 1 1 1",
        f"{p.layers[-1].bottom:g} 0.0",
    ]
    for layer in p.layers:
        for z in (layer.top, layer.bottom):
            qc = layer.qc(z) if layer.own_qc else 0.0
            if layer.sand:
                lines += [f"{z:g} 1 0.8 {layer.gamma:g} {layer.phi:g} 40",
                          f"0 0 0.0 0 0.0 0.0 {qc:.6f} 0 0 1 1"]
            else:
                su = layer.su_at(z) * u.qc
                lines += [f"{z:g} 2 0.0 {layer.gamma:g} 0.0 0.0",
                          f"0 0 {su:.6f} {su / layer.st:.6f} {layer.ysr:g} {layer.pi:g} {qc:.6f} 0 0 1 1"]
    lines += ["0", "0 1.0", f"0 {p.plug}", "0 0", "0 0"]
    return "\n".join(lines) + "\n"


def cpt_text(p):
    return f" {1 if p.english else 2} {len(p.rows)}\n" + "".join(f"  {z:.6f}  {q:.4f}\n" for z, q in p.rows)


def program_tables(torve, p, folder):
    base = os.path.join(folder, p.name)
    with open(base + ".tv6d", "w") as f:
        f.write(project_text(p))
    with open(base + ".cpt", "w") as f:
        f.write(cpt_text(p))
    subprocess.run([torve, "run", "--csv", folder, base + ".tv6d"], check=True, stdout=subprocess.DEVNULL)
    tables = {}
    with open(base + ".capacity.csv", newline="") as f:
        for row in csv.reader(f):
            if row[0] == "method":
                continue
            tables.setdefault(row[0], []).append(tuple(float(x) for x in row[1:5]))
    return tables


NAMES = {"NGI": "NGI", "ICP/MTD": "ICP/MTD", "Fugro": "Fugro", "UWA": "UWA", "Unified": "Unified"}


def compare(torve, keep, markdown):
    folder = keep or tempfile.mkdtemp(prefix="cone-peer-")
    os.makedirs(folder, exist_ok=True)
    worst_all = 0.0
    failed = False
    table = []
    for p in profiles():
        program = program_tables(torve, p, folder)
        if p.off_grid():
            # compared as the segments see it; the boundaries where they are, reported
            true = peer_tables(p, Peer(p))
            for method in METHODS:
                key = next(k for k in program if k.upper().startswith(method.upper()[:3]))
                d = max((abs(a[3] / b[3] - 1), a[0]) for a, b in zip(program[key], true[method])
                        if abs(b[3]) >= 0.05 * abs(true[method][-1][3]))
                print(f"{p.name:28s} {method:8s} boundaries between segment ends, Qt against the true "
                      f"layers: largest {100 * d[0]:.2f} % ({d[1]:g})")
            p = p.on_grid()
        cells = []
        peer = peer_tables(p, Peer(p))
        published = peer_tables(p, Peer(p, kc_rule=ICP05, uwa_ifr_one=False, fugro_base_icp=False))
        for method in METHODS:
            key = next(k for k in program if k.upper().startswith(method.upper()[:3]))
            prog, mine, pub = program[key], peer[method], published[method]
            assert len(prog) == len(mine), (p.name, method, len(prog), len(mine))
            worst = [0.0, 0.0, 0.0]
            where = [0.0, 0.0, 0.0]
            pub_worst = 0.0
            for a, b, c in zip(prog, mine, pub):
                tip = mine[-1]
                for i in range(3):
                    # rows whose peer value is at least 5 % of the value at the tip
                    if abs(b[i + 1]) >= 0.05 * abs(tip[i + 1]) and abs(b[i + 1]) > 0:
                        d = a[i + 1] / b[i + 1] - 1
                        if abs(d) > abs(worst[i]):
                            worst[i], where[i] = d, a[0]
                if abs(c[3]) > 0.05 * abs(pub[-1][3]):
                    pub_worst = max(pub_worst, a[3] / c[3] - 1, key=abs)
            worst_all = max(worst_all, *map(abs, worst))
            i = max(range(3), key=lambda k: abs(worst[k]))
            unit = "ft" if p.english else "m"
            cells.append(f"{100 * worst[i]:+.2f} % ({('Qs', 'Qb', 'Qt')[i]}, {where[i]:g} {unit})")
            bad = any(abs(w) > 0.01 for w in worst)
            failed |= bad
            print(f"{p.name:28s} {method:8s} tip Qs {prog[-1][1]:10.1f}/{mine[-1][1]:10.1f} "
                  f"Qb {prog[-1][2]:9.1f}/{mine[-1][2]:9.1f}  largest: Qs {100 * worst[0]:+.2f} % "
                  f"({where[0]:g}) Qb {100 * worst[1]:+.2f} % ({where[1]:g}) Qt {100 * worst[2]:+.2f} % "
                  f"({where[2]:g})  published rules: Qt {100 * pub_worst:+.2f} %{'  FAIL' if bad else ''}")
        table.append(f"| {p.name} | " + " | ".join(cells) + " |")
    print(f"largest difference of a compared row: {100 * worst_all:.2f} %")
    if markdown:
        print("| profile | NGI | ICP/MTD | Fugro | UWA | Unified |")
        print("|---|---|---|---|---|---|")
        print("\n".join(table))
    return 1 if failed else 0


def main(argv):
    if "--print" in argv:
        for p in profiles():
            t = peer_tables(p, Peer(p))
            for m in METHODS:
                z, qs, qb, qt = t[m][-1]
                print(f"{p.name:28s} {m:8s} {z:7.2f} {qs:10.2f} {qb:10.2f} {qt:10.2f}")
        return 0
    torve = argv[argv.index("--torve") + 1]
    keep = argv[argv.index("--keep") + 1] if "--keep" in argv else None
    return compare(torve, keep, "--markdown" in argv)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
