#!/usr/bin/env python3
"""Independent check of the load-settlement curve of a project.

Reads from the plot data file the skin friction of the load-transfer method against penetration
(block 2), the shapes of its t-z curves (block 3) and the tip points (block 5), and solves the pile
another way: the equations dP/dx = (dQs/dx) r(x, w) and dw/dx = P / AE, integrated by fourth-order
Runge-Kutta from the tip (P = tip load, w = tip movement) up to the head in fine steps. Qs is the
skin friction, linear between the rows of block 2, so that dQs/dx is the mean unit friction times
the perimeter over each row interval; r(x, w) is the t-z curve of the soil layer at x divided by its
peak: the curves stand three to a layer (block 3), and a layer runs from its first curve down to the
next layer's first. Fully mobilised, the shaft thus carries Qs at the tip. Prints head load and head
movement per load level.

usage: independent_settlement.py PLOT.tv6p OD LENGTH STICKUP E AREA_TABLE [--si] [--table N]
       English: OD in, LENGTH and STICKUP ft, E lb/in2, AREA_TABLE "d1:a1,d2:a2,..." with depths
       from the pile head in ft and areas in in2 (loads kips, t ksf, movements in).
       --si: OD mm, lengths m, E kPa, areas m2 (loads kN, t kPa, movements m).
       --table N: the load-transfer method's capacity curve is the N-th of block 2 (default 1).
       The curves must be shapes scaled by their peak (API RP 2A, USACE clay); the rows of block 2
       should be every increment (print interval 1) for the friction to follow the program's rows.
"""
import bisect
import sys


def tokens(path):
    with open(path) as f:
        return f.read().split()


def main():
    args = sys.argv[1:]
    si = "--si" in args
    table = 1
    if "--table" in args:
        table = int(args[args.index("--table") + 1])
        del args[args.index("--table"):args.index("--table") + 2]
    plot, od, length, stickup, e_psi, area_table = [a for a in args if a != "--si"][:6]
    od, length, stickup, e_psi = float(od), float(length), float(stickup), float(e_psi)
    areas = [tuple(map(float, p.split(':'))) for p in area_table.split(',')]
    t = tokens(plot)
    pos = 0

    def take(n):
        nonlocal pos
        out = t[pos:pos + n]
        pos += n
        return out

    curves, rows, _, _ = map(int, take(4))
    capacity = []
    for c in range(curves):
        block = [float(v) for v in take(rows * 5)]
        if c == table - 1:
            capacity = [(block[5 * r], block[5 * r + 1]) for r in range(rows)]  # (penetration, Qs)
    count = int(take(1)[0])
    tz = []
    for _ in range(count):
        _, _, depth = take(3)
        pts = [(float(a), float(b)) for a, b in zip(*[iter(take(20))] * 2)]
        tz.append((float(depth), [(z, tr) for tr, z in pts]))  # (depth below ground, [(z, t)])
    take(9 * rows * 3)
    levels = [tuple(map(float, take(4))) for _ in range(9)]

    def on_curve(points, z):
        if z <= points[0][0]:
            return points[0][1]
        for (z0, t0), (z1, t1) in zip(points, points[1:]):
            if z <= z1:
                return t1 if z1 == z0 else t0 + (t1 - t0) * (z - z0) / (z1 - z0)
        return points[-1][1]

    # One shape per layer of three curves: the first curve of the layer with a peak above 0, scaled
    # to a peak of 1.
    layers = []
    for i in range(0, len(tz) - 2, 3):
        shape = [(0.0, 0.0), (1.0, 0.0)]
        for _, points in tz[i:i + 3]:
            peak = max(tr for _, tr in points)
            if peak > 0:
                shape = [(z, tr / peak) for z, tr in points]
                break
        layers.append((tz[i][0], shape))

    def ratio(depth_below_ground, z):
        shape = layers[0][1]
        for top, s in layers:
            if top <= depth_below_ground + 1e-9:
                shape = s
        return on_curve(shape, z)

    penetrations = [d for d, _ in capacity]

    def friction_rate(depth_below_ground):
        # dQs/dx over the row interval holding the depth, kips/ft or kN/m
        i = bisect.bisect_right(penetrations, depth_below_ground)
        if i == 0 or i >= len(capacity):
            return 0.0
        (d0, q0), (d1, q1) = capacity[i - 1], capacity[i]
        return (q1 - q0) / (d1 - d0)

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

    total = length + stickup
    steps = 20000
    h = total / steps

    def rates(depth_from_head, p, w):
        # x runs upward; depth decreases. P in kips or kN, w in inches or metres.
        g = depth_from_head - stickup
        tr = friction_rate(g) * ratio(g, w) if g > 0 else 0.0
        return tr, p / ae_kips(depth_from_head) * (1.0 if si else 12.0)

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
