#!/usr/bin/env python3
"""Writes the hand-made plot data files of the plot-reader tests, block by block in the engine's
layouts (Fw.d / Ew.d fields), with values that tell where they belong:

  capacity row j of method line i: depth = j + 1, skin = 100 i + 10 + j, tip = 100 i + 20 + j,
      total = 100 i + 30 + j, unit skin friction = i + 0.001 (j + 1)
  t-z curve c (from 1) at depth 2.5 c: point k: t = c + 0.01 k, z = 0.001 (c + k)
  load distribution level l (from 1), row j: depth j + 1, load 100 l + 10 j (3 digits: E10.3), movement -1
  load settlement level k: top load 10 k, top movement 0.1 k, tip load 5 k, tip movement 0.01 k
  extra t-z curve c at depth 3.5 c: t = 50 + c + 0.01 k, z = 0.002 (c + k)

Run it from this folder; it rewrites the .tv6p files beside it.
"""


def e_field(v, w, d):
    """Ew.d: 0.ddddE+xx, right-aligned in w characters."""
    if v == 0:
        s = "0." + "0" * d + "E+00"
    else:
        m = f"{abs(v):.{d - 1}E}"          # d.dddE+xx
        mant, exp = m.split("E")
        digits = mant.replace(".", "")
        s = ("-" if v < 0 else "") + "0." + digits + "E" + f"{int(exp) + 1:+03d}"
    return s.rjust(w)


def f_field(v, w, d):
    return f"{v:{w}.{d}f}"


def plot_file(methods, rows, units, method, tz_curves, extra_curves):
    lines = [f"{methods:6d}{rows:6d}{units:6d}{method:6d}"]
    for i in range(methods):
        for j in range(rows):
            lines.append("  " + f_field(j + 1, 7, 2) + "  " + f_field(100 * i + 10 + j, 8, 1) + "  " +
                         f_field(100 * i + 20 + j, 8, 1) + "  " + f_field(100 * i + 30 + j, 9, 1) + "  " +
                         f_field(i + 0.001 * (j + 1), 9, 3))

    def tz_block(count, depth_step, t0, z_step):
        out = [f"{count:6d}"]
        for c in range(1, count + 1):
            out.append(" " * 8 + f"{c:5d}" + f"{10:11d}" + e_field(depth_step * c, 16, 4))
            for k in range(10):
                out.append(" " * 40 + e_field(t0 + c + 0.01 * k, 17, 4) + e_field(z_step * (c + k), 16, 4))
        return out

    lines += tz_block(tz_curves, 2.5, 0, 0.001)
    for level in range(1, 10):
        for j in range(rows):
            lines.append("   " + e_field(j + 1, 10, 3) + "   " + e_field(100 * level + 10 * j, 10, 3) + "   " +
                         e_field(-1, 10, 3))
    for k in range(1, 10):
        lines.append(e_field(10 * k, 17, 4) + e_field(0.1 * k, 16, 4) + e_field(5 * k, 16, 4) + e_field(0.01 * k, 16, 4))
    if extra_curves is not None:
        lines += tz_block(extra_curves, 3.5, 50, 0.002)
    return "\n".join(lines) + "\n"


if __name__ == "__main__":
    # Two methods (FHWA and API, API carrying the load transfer), 3 rows, English, 2 t-z curves,
    # 1 extra t-z curve.
    with open("two-methods-english.tv6p", "w") as f:
        f.write(plot_file(2, 3, 1, 4, 2, 1))
    # API alone, S.I., no extra t-z block.
    with open("api-only-si.tv6p", "w") as f:
        f.write(plot_file(1, 3, 2, 4, 1, None))
