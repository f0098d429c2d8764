#include "mesh/ExactPredicates.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace plotvane {
namespace {

// A value held exactly as a sum of doubles that do not overlap, smallest
// magnitude first, zeros left out: its sign is the sign of the last term.
// The capacity is known from the operations that make it, so every value
// lives on the stack.
template <std::size_t N>
struct Expansion {
  std::array<double, N> term;
  std::size_t size = 0;
  void push(double v) { term[size++] = v; }
};

// a + b = x + y exactly, x the rounded sum.
void TwoSum(double a, double b, double& x, double& y) {
  x = a + b;
  const double bVirtual = x - a;
  const double aVirtual = x - bVirtual;
  y = (a - aVirtual) + (b - bVirtual);
}

// a - b as an expansion of at most two terms.
Expansion<2> Difference(double a, double b) {
  const double x = a - b;
  const double bVirtual = a - x;
  const double aVirtual = x + bVirtual;
  const double y = (a - aVirtual) + (bVirtual - b);
  Expansion<2> out;
  if (y != 0) out.push(y);
  if (x != 0 || out.size == 0) out.push(x);
  return out;
}

// e + f: the terms of both merged by magnitude, then summed from the
// smallest up, each rounding error kept as a term of its own. Exact for
// expansions whose terms do not overlap, as every one made here.
template <std::size_t N, std::size_t M>
Expansion<N + M> Sum(const Expansion<N>& e, const Expansion<M>& f) {
  std::size_t i = 0, j = 0;
  const auto next = [&] {
    if (j == f.size || (i < e.size && std::fabs(e.term[i]) <= std::fabs(f.term[j]))) return e.term[i++];
    return f.term[j++];
  };
  Expansion<N + M> out;
  double q = next();
  while (i < e.size || j < f.size) {
    double sum, tail;
    TwoSum(q, next(), sum, tail);
    q = sum;
    if (tail != 0) out.push(tail);
  }
  if (q != 0 || out.size == 0) out.push(q);
  return out;
}

template <std::size_t N>
Expansion<N> Negated(Expansion<N> e) {
  for (std::size_t k = 0; k < e.size; ++k) e.term[k] = -e.term[k];
  return e;
}

// e * b.
template <std::size_t N>
Expansion<2 * N> Scale(const Expansion<N>& e, double b) {
  Expansion<2 * N> out;
  double q = e.term[0] * b;
  double tail = std::fma(e.term[0], b, -q);
  if (tail != 0) out.push(tail);
  for (std::size_t k = 1; k < e.size; ++k) {
    const double high = e.term[k] * b;
    const double low = std::fma(e.term[k], b, -high);
    double sum;
    TwoSum(q, low, sum, tail);
    if (tail != 0) out.push(tail);
    q = high + sum;  // exact: high dominates sum
    tail = sum - (q - high);
    if (tail != 0) out.push(tail);
  }
  if (q != 0 || out.size == 0) out.push(q);
  return out;
}

template <std::size_t N, std::size_t M>
Expansion<2 * N * M> Product(const Expansion<N>& e, const Expansion<M>& f) {
  const Expansion<2 * N> first = Scale(e, f.term[0]);
  Expansion<2 * N * M> out;
  out.size = first.size;
  std::copy_n(first.term.begin(), first.size, out.term.begin());
  for (std::size_t k = 1; k < f.size; ++k) {
    const auto grown = Sum(out, Scale(e, f.term[k]));
    out.size = grown.size;
    std::copy_n(grown.term.begin(), grown.size, out.term.begin());
  }
  return out;
}

template <std::size_t N>
int Sign(const Expansion<N>& e) {
  const double top = e.term[e.size - 1];
  return top > 0 ? 1 : (top < 0 ? -1 : 0);
}

// u_x * v_y - u_y * v_x for exact differences u, v.
Expansion<16> Cross(const Expansion<2>& ux, const Expansion<2>& uy, const Expansion<2>& vx, const Expansion<2>& vy) {
  return Sum(Product(ux, vy), Negated(Product(uy, vx)));
}

int InCircleSignExact(ExactPoint a, ExactPoint b, ExactPoint c, ExactPoint d) {
  const Expansion<2> adx = Difference(a.x, d.x), ady = Difference(a.y, d.y);
  const Expansion<2> bdx = Difference(b.x, d.x), bdy = Difference(b.y, d.y);
  const Expansion<2> cdx = Difference(c.x, d.x), cdy = Difference(c.y, d.y);
  const auto aLift = Sum(Product(adx, adx), Product(ady, ady));
  const auto bLift = Sum(Product(bdx, bdx), Product(bdy, bdy));
  const auto cLift = Sum(Product(cdx, cdx), Product(cdy, cdy));
  const auto det = Sum(Sum(Product(aLift, Cross(bdx, bdy, cdx, cdy)), Product(bLift, Cross(cdx, cdy, adx, ady))),
                       Product(cLift, Cross(adx, ady, bdx, bdy)));
  return Sign(det);
}

}  // namespace

int OrientationSign(ExactPoint a, ExactPoint b, ExactPoint c) {
  const double left = (a.x - c.x) * (b.y - c.y);
  const double right = (a.y - c.y) * (b.x - c.x);
  const double det = left - right;
  const double bound = kOrientationErrorBound * (std::fabs(left) + std::fabs(right));
  if (det > bound) return 1;
  if (-det > bound) return -1;
  return Sign(Cross(Difference(a.x, c.x), Difference(a.y, c.y), Difference(b.x, c.x), Difference(b.y, c.y)));
}

int InCircleSign(ExactPoint a, ExactPoint b, ExactPoint c, ExactPoint d) {
  const double adx = a.x - d.x, ady = a.y - d.y;
  const double bdx = b.x - d.x, bdy = b.y - d.y;
  const double cdx = c.x - d.x, cdy = c.y - d.y;
  const double bdxcdy = bdx * cdy, cdxbdy = cdx * bdy;
  const double cdxady = cdx * ady, adxcdy = adx * cdy;
  const double adxbdy = adx * bdy, bdxady = bdx * ady;
  const double aLift = adx * adx + ady * ady;
  const double bLift = bdx * bdx + bdy * bdy;
  const double cLift = cdx * cdx + cdy * cdy;
  const double det = aLift * (bdxcdy - cdxbdy) + bLift * (cdxady - adxcdy) + cLift * (adxbdy - bdxady);
  const double permanent = (std::fabs(bdxcdy) + std::fabs(cdxbdy)) * aLift +
                           (std::fabs(cdxady) + std::fabs(adxcdy)) * bLift +
                           (std::fabs(adxbdy) + std::fabs(bdxady)) * cLift;
  // The rounding of this evaluation stays below this fraction of its permanent.
  constexpr double kBound = (10.0 + 96.0 * 0x1p-53) * 0x1p-53;
  const double bound = kBound * permanent;
  if (det > bound) return 1;
  if (-det > bound) return -1;
  return InCircleSignExact(a, b, c, d);
}

}  // namespace plotvane
