#!/usr/bin/env python3
"""Independent check of the load-settlement curve of a project.

Reads the t-z curves (block 3) and the tip points (block 5) that the engine wrote into a plot data
file, and solves the same springs another way: the pile equations dP/dx = t(x, w) pi D and
dw/dx = P / AE, integrated by fourth-order Runge-Kutta from the tip (P = tip load, w = tip
movement) up to the head in fine steps. Prints head load and head movement per load level.

usage: independent_settlement.py PLOT.tv6p OD LENGTH STICKUP E AREA_TABLE [--si]
       English: OD in, LENGTH and STICKUP ft, E lb/in2, AREA_TABLE "d1:a1,d2:a2,..." with depths
       from the pile head in ft and areas in in2 (loads kips, t ksf, movements in).
       --si: OD mm, lengths m, E kPa, areas m2 (loads kN, t kPa, movements m).
"""
import sys


def tokens(path):
    with open(path) as f:
        return f.read().split()


def main():
    si = "--si" in sys.argv
    plot, od, length, stickup, e_psi, table = [a for a in sys.argv[1:] if a != "--si"][:6]
    od, length, stickup, e_psi = float(od), float(length), float(stickup), float(e_psi)
    areas = [tuple(map(float, p.split(':'))) for p in table.split(',')]
    t = tokens(plot)
    pos = 0

    def take(n):
        nonlocal pos
        out = t[pos:pos + n]
        pos += n
        return out

    curves, rows, _, _ = map(int, take(4))
    take(curves * rows * 5)
    count = int(take(1)[0])
    tz = []
    for _ in range(count):
        _, _, depth = take(3)
        pts = [(float(a), float(b)) for a, b in zip(*[iter(take(20))] * 2)]
        tz.append((float(depth), [(z, tr) for tr, z in pts]))  # (depth ft below ground, [(z in, t ksf)])
    take(9 * rows * 3)
    levels = [tuple(map(float, take(4))) for _ in range(9)]

    def on_curve(points, z):
        if z <= points[0][0]:
            return points[0][1]
        for (z0, t0), (z1, t1) in zip(points, points[1:]):
            if z <= z1:
                return t1 if z1 == z0 else t0 + (t1 - t0) * (z - z0) / (z1 - z0)
        return points[-1][1]

    def transfer(depth_below_ground, z):
        if depth_below_ground <= tz[0][0]:
            return on_curve(tz[0][1], z)
        if depth_below_ground >= tz[-1][0]:
            return on_curve(tz[-1][1], z)
        i = 1
        while tz[i][0] < depth_below_ground:
            i += 1
        (d0, c0), (d1, c1) = tz[i - 1], tz[i]
        a, b = on_curve(c0, z), on_curve(c1, z)
        return b if d1 == d0 else a + (b - a) * (depth_below_ground - d0) / (d1 - d0)

    def ae_kips(depth_from_head):
        if depth_from_head <= areas[0][0]:
            a = areas[0][1]
        elif depth_from_head >= areas[-1][0]:
            a = areas[-1][1]
        else:
            i = 1
            while areas[i][0] < depth_from_head:
                i += 1
            (d0, a0), (d1, a1) = areas[i - 1], areas[i]
            a = a0 + (a1 - a0) * (depth_from_head - d0) / (d1 - d0)
        return e_psi * a if si else e_psi * a / 1000.0  # kN, or lb to kips

    perimeter = 3.1416 * od / (1000.0 if si else 12.0)  # m or ft
    total = length + stickup
    steps = 20000
    h = total / steps

    def rates(depth_from_head, p, w):
        # x runs upward; depth decreases. P in kips, w in inches, t in ksf.
        tr = transfer(depth_from_head - stickup, w) if depth_from_head > stickup else 0.0
        return tr * perimeter, p / ae_kips(depth_from_head) * (1.0 if si else 12.0)

    for top_load, top_move, tip_load, tip_move in levels:
        p, w, d = tip_load, tip_move, total
        for _ in range(steps):
            k1 = rates(d, p, w)
            k2 = rates(d - h / 2, p + h / 2 * k1[0], w + h / 2 * k1[1])
            k3 = rates(d - h / 2, p + h / 2 * k2[0], w + h / 2 * k2[1])
            k4 = rates(d - h, p + h * k3[0], w + h * k3[1])
            p += h / 6 * (k1[0] + 2 * k2[0] + 2 * k3[0] + k4[0])
            w += h / 6 * (k1[1] + 2 * k2[1] + 2 * k3[1] + k4[1])
            d -= h
        print(f"tip {tip_move:.6g}: head load {p:.2f} (engine {top_load:.2f}), "
              f"head movement {w:.6g} (engine {top_move:.6g})")


if __name__ == "__main__":
    main()
