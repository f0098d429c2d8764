# Writes the roughest data a text file holds to the file named first:
# 99 999 points with X, Y uniform in 0..1000 and Z uniform in 0..100 (three
# decimals), so that every triangle crosses a third of the levels. The
# memory benches share it, so their figures are of the same map.
import random
import sys

r = random.Random(11)
with open(sys.argv[1], "w") as f:
    f.write("X\tY\tZ\n")
    for _ in range(99999):
        f.write(f"{r.uniform(0, 1000):.3f}\t{r.uniform(0, 1000):.3f}\t{r.uniform(0, 100):.3f}\n")
