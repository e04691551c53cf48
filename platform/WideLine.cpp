#include "platform/WideLine.h"

namespace pelk {

namespace {

// Intersection of a running span with [lo, hi] (any order of the bounds).
void Narrow(SpanD& s, double a, double b) {
  s.lo = std::max(s.lo, std::min(a, b));
  s.hi = std::min(s.hi, std::max(a, b));
}

std::optional<SpanD> DiskRowSpan(double cx, double cy, double r, double y) {
  const double dy = y - cy;
  const double h2 = r * r - dy * dy;
  if (h2 < 0) return std::nullopt;
  const double h = std::sqrt(h2);
  return SpanD{cx - h, cx + h};
}

// The part of the row within the rectangle swept by the segment: points whose
// projection falls on the segment and whose distance from its line is at
// most the radius.
std::optional<SpanD> BodyRowSpan(const Capsule& c, double y) {
  const double dx = c.bx - c.ax;
  const double dy = c.by - c.ay;
  const double len2 = dx * dx + dy * dy;
  if (len2 == 0) return std::nullopt;
  const double rl = c.radius * std::sqrt(len2);
  const double ry = y - c.ay;
  SpanD s{-INFINITY, INFINITY};
  // 0 <= dx (X - ax) + dy ry <= len2
  if (dx != 0) {
    Narrow(s, c.ax - dy * ry / dx, c.ax + (len2 - dy * ry) / dx);
  } else if (dy * ry < 0 || dy * ry > len2) {
    return std::nullopt;
  }
  // |dx ry - dy (X - ax)| <= rl
  if (dy != 0) {
    Narrow(s, c.ax + (dx * ry - rl) / dy, c.ax + (dx * ry + rl) / dy);
  } else if (std::fabs(dx * ry) > rl) {
    return std::nullopt;
  }
  if (s.lo > s.hi) return std::nullopt;
  return s;
}

void Hull(std::optional<SpanD>& acc, const std::optional<SpanD>& s) {
  if (!s) return;
  if (!acc) {
    acc = s;
    return;
  }
  acc->lo = std::min(acc->lo, s->lo);
  acc->hi = std::max(acc->hi, s->hi);
}

}  // namespace

std::optional<SpanD> CapsuleRowSpan(const Capsule& c, double y) {
  // The capsule is convex, so its row is the hull of its three parts' rows.
  std::optional<SpanD> row;
  Hull(row, DiskRowSpan(c.ax, c.ay, c.radius, y));
  Hull(row, DiskRowSpan(c.bx, c.by, c.radius, y));
  Hull(row, BodyRowSpan(c, y));
  return row;
}

bool ClipSegment(double& ax, double& ay, double& bx, double& by, double left, double top,
                 double right, double bottom) {
  const double dx = bx - ax;
  const double dy = by - ay;
  double t0 = 0.0;
  double t1 = 1.0;
  // Each edge: p t <= q keeps the inside.
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {ax - left, right - ax, ay - top, bottom - ay};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    const double t = q[k] / p[k];
    if (p[k] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  // Untouched ends keep their exact values.
  const double ax0 = ax, ay0 = ay;
  if (t1 < 1.0) {
    bx = ax0 + t1 * dx;
    by = ay0 + t1 * dy;
  }
  if (t0 > 0.0) {
    ax = ax0 + t0 * dx;
    ay = ay0 + t0 * dy;
  }
  return true;
}

}  // namespace pelk
