#!/usr/bin/env python3
"""Writes formula.csv: y = x1*x2 + sin(x3) + a little noise; x4 is unused.

formula_holdout.csv holds 100 more rows of the same law, drawn apart from
the first, for checking a fitted model on data it never saw.
"""
import math
import random


def write_rows(path, seed, count):
    random.seed(seed)
    with open(path, "w") as out:
        out.write("y,x1,x2,x3,x4\n")
        for _ in range(count):
            x1, x2 = random.uniform(-2, 2), random.uniform(-2, 2)
            x3, x4 = random.uniform(-3, 3), random.uniform(0, 10)
            y = x1 * x2 + math.sin(x3) + random.gauss(0, 0.01)
            out.write(",".join(f"{v:.6g}" for v in (y, x1, x2, x3, x4)) + "\n")


write_rows("formula.csv", 20240611, 200)
write_rows("formula_holdout.csv", 20240612, 100)
