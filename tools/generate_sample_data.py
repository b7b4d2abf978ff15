#!/usr/bin/env python3
"""Writes the sample data files data/TotalData.txt and data/TankData.txt.

The yearly figures are rounded public totals; the split over the months is illustrative only.
Run from anywhere: python3 tools/generate_sample_data.py [output directory]
"""
import math
import pathlib
import sys

MONTHS = "Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec"
HEADER = "Name,Year," + MONTHS + ","
NOTE = "; Rounded yearly totals; the monthly split is illustrative (see README.md)."

# Vehicle type -> {year: (vehicles built that year, first month, last month)}.
VEHICLES = {
    "T-26": {1941: (116, 1, 3)},
    "T-40": {1941: (222, 3, 12), 1942: (181, 1, 3)},
    "T-50": {1941: (48, 8, 12), 1942: (15, 1, 2)},
    "T-60": {1941: (1818, 9, 12), 1942: (4474, 1, 12)},
    "T-70": {1942: (4883, 3, 12), 1943: (3343, 1, 10)},
    "T-80": {1943: (120, 9, 12)},
    "T-34": {1941: (3014, 1, 12), 1942: (12553, 1, 12), 1943: (15696, 1, 12), 1944: (3986, 1, 5)},
    "T-34-85": {1944: (11000, 1, 12), 1945: (12550, 1, 12)},
    "KV-1": {1941: (1121, 1, 12), 1942: (1753, 1, 8)},
    "KV-2": {1941: (232, 1, 10)},
    "KV-1S": {1942: (780, 8, 12), 1943: (452, 1, 8)},
    "KV-85": {1943: (148, 8, 12)},
    "IS-2": {1943: (102, 12, 12), 1944: (2252, 1, 12), 1945: (1500, 1, 12)},
    "SU-76": {1942: (26, 12, 12), 1943: (1928, 1, 12), 1944: (7155, 1, 12), 1945: (3562, 1, 12)},
    "SU-85": {1943: (750, 8, 12), 1944: (1300, 1, 10)},
    "SU-100": {1944: (500, 9, 12), 1945: (1175, 1, 12)},
    "SU-122": {1942: (25, 12, 12), 1943: (630, 1, 8)},
    "SU-152": {1943: (670, 2, 12)},
    "ISU-122": {1944: (945, 4, 12), 1945: (1130, 1, 12)},
    "ISU-152": {1943: (35, 11, 12), 1944: (2510, 1, 12), 1945: (1340, 1, 12)},
}

# Vehicles in service at chosen months (1 = January 1941); months between are interpolated.
IN_SERVICE = [(1, 21500), (6, 22600), (7, 17000), (9, 12000), (12, 7700), (13, 7700),
              (24, 20600), (25, 20600), (36, 24400), (37, 24400), (48, 35400), (53, 35000),
              (60, 35200)]

# Row -> {year: (yearly total, weights of the months from January on)}.
FLEET = {
    "Loss": {
        1941: (20500, [0, 0, 0, 0, 0, 1.5, 5, 4, 3.5, 4, 3, 2]),
        1942: (15000, [1.0, 0.9, 0.8, 0.8, 1.2, 1.2, 1.6, 1.6, 1.3, 1.1, 1.2, 1.3]),
        1943: (23500, [1.3, 1.1, 1.2, 0.6, 0.5, 0.5, 2.2, 2.5, 1.6, 1.4, 1.2, 1.0]),
        1944: (16900, [1.4, 1.2, 1.3, 1.1, 0.6, 0.9, 1.8, 1.5, 1.1, 1.0, 0.8, 0.7]),
        1945: (8700, [2.0, 1.6, 1.6, 2.2, 1.2]),
    },
    "New": {
        1941: (6590, [0.8, 0.8, 0.9, 0.9, 1.0, 1.0, 1.0, 0.9, 0.8, 0.7, 0.8, 1.0]),
        1942: (24450, [0.6, 0.7, 0.8, 0.9, 1.0, 1.0, 1.1, 1.1, 1.2, 1.2, 1.2, 1.2]),
        1943: (24090, [0.9, 0.9, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.1]),
        1944: (28960, [0.9, 0.9, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.1]),
        1945: (20500, [1.2, 1.2, 1.2, 1.2, 1.1, 0.9, 0.9, 0.9, 0.9, 0.9, 0.8, 0.8]),
    },
    "Lend Lease": {
        1941: (500, [0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 2]),
        1942: (4500, [1.0, 1.0, 1.1, 1.2, 1.2, 1.0, 0.8, 0.8, 0.9, 1.0, 1.0, 1.0]),
        1943: (3500, [1.0] * 12),
        1944: (2800, [1.0] * 12),
        1945: (700, [1.2, 1.2, 1.0, 1.0, 0.8, 0.8]),
    },
}


def split(total, weights):
    """Whole numbers in proportion to the weights that add up to total exactly."""
    weight_sum = sum(weights)
    shares = [total * w / weight_sum for w in weights]
    values = [math.floor(s) for s in shares]
    by_remainder = sorted(range(len(shares)), key=lambda i: values[i] - shares[i])
    for i in by_remainder[: total - sum(values)]:
        values[i] += 1
    return values + [0] * (12 - len(values))


def vehicle_months(total, first, last):
    """A gentle, repeatable wobble over the months in which the type was built."""
    weights = [0.0] * 12
    for month in range(first, last + 1):
        weights[month - 1] = 1.0 + 0.12 * math.sin(month * 1.7 + total)
    return split(total, weights)


def in_service():
    values = []
    for month in range(1, 61):
        for (m0, v0), (m1, v1) in zip(IN_SERVICE, IN_SERVICE[1:]):
            if m0 <= month <= m1:
                value = v0 + (v1 - v0) * (month - m0) / (m1 - m0)
                values.append(int(round(value / 10.0)) * 10)
                break
    return values


def line(name, year, values):
    return f"{name},{year}," + "".join(f"{v}," for v in values)


def write(path, lines):
    path.write_bytes(("\r\n".join([HEADER, NOTE] + lines) + "\r\n").encode("ascii"))


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "data")
    out.mkdir(parents=True, exist_ok=True)
    service = in_service()
    total_lines = [line("Total", 1941 + y, service[12 * y:12 * y + 12]) for y in range(5)]
    for row, years in FLEET.items():
        total_lines += [line(row, year, split(*years[year])) for year in sorted(years)]
    tank_lines = []
    for name, years in VEHICLES.items():
        tank_lines += [line(name, year, vehicle_months(*years[year])) for year in sorted(years)]
    write(out / "TotalData.txt", total_lines)
    write(out / "TankData.txt", tank_lines)


if __name__ == "__main__":
    main()
