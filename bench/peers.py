#!/usr/bin/python3
"""The same jobs done by the scientific Python stack, as yardsticks for
bench/run.sh: each run is a whole process, as plotvane-cli's are.

  peers.py mesh FILE         read the points and triangulate them (Qhull)
  peers.py render FILE OUT   read, triangulate, 20 filled bands and their
                             lines, a colour bar and a title, saved as PNG
                             at the page's pixel size
  peers.py grid FILE N       read, then linear interpolation on N x N points
                             of 0..N-1 (no file written)
"""
import sys

import numpy as np


def read(path):
    return np.loadtxt(path, skiprows=1, unpack=True, usecols=(0, 1, 2))


def mesh(path):
    from scipy.spatial import Delaunay
    x, y, _ = read(path)
    tri = Delaunay(np.column_stack((x, y)))
    print(len(tri.simplices), "triangles")


def render(path, out):
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
    from matplotlib.tri import Triangulation
    x, y, z = read(path)
    triangulation = Triangulation(x, y)
    levels = np.linspace(z.min(), z.max(), 21)
    figure = plt.figure(figsize=(5.97, 4.77), dpi=100)
    axes = figure.add_subplot()
    bands = axes.tricontourf(triangulation, z, levels=levels, cmap="jet")
    axes.tricontour(triangulation, z, levels=levels, colors="black", linewidths=0.5)
    figure.colorbar(bands)
    axes.set_title(path)
    figure.savefig(out)


def grid(path, count):
    from scipy.interpolate import griddata
    x, y, z = read(path)
    gx, gy = np.meshgrid(np.arange(count, dtype=float), np.arange(count, dtype=float), indexing="ij")
    values = griddata((x, y), z, (gx, gy), method="linear")
    print(np.count_nonzero(~np.isnan(values)), "values")


if __name__ == "__main__":
    job = sys.argv[1]
    if job == "mesh":
        mesh(sys.argv[2])
    elif job == "render":
        render(sys.argv[2], sys.argv[3])
    elif job == "grid":
        grid(sys.argv[2], int(sys.argv[3]))
    else:
        sys.exit(f"unknown job {job}")
