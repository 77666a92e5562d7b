#!/usr/bin/env python3
"""Writes formula.csv: y = x1*x2 + sin(x3) + a little noise; x4 is unused."""
import math
import random

random.seed(20240611)
with open("formula.csv", "w") as out:
    out.write("y,x1,x2,x3,x4\n")
    for _ in range(200):
        x1, x2 = random.uniform(-2, 2), random.uniform(-2, 2)
        x3, x4 = random.uniform(-3, 3), random.uniform(0, 10)
        y = x1 * x2 + math.sin(x3) + random.gauss(0, 0.01)
        out.write(",".join(f"{v:.6g}" for v in (y, x1, x2, x3, x4)) + "\n")
