// The data the benchmarks plot: x = i, y = running sum of uniform(-1, 1)
// steps, from a fixed seed.
#pragma once

#include <algorithm>
#include <cstddef>
#include <random>
#include <vector>

namespace pelk::bench {

struct Walk {
  std::vector<float> x, y;
  float yMin = 0, yMax = 0;
};

inline Walk MakeRandomWalk(std::size_t points) {
  Walk w;
  w.x.resize(points);
  w.y.resize(points);
  std::mt19937 rng(20240607);
  std::uniform_real_distribution<double> step(-1.0, 1.0);
  double sum = 0.0;
  for (std::size_t i = 0; i < points; ++i) {
    sum += step(rng);
    w.x[i] = static_cast<float>(i);
    w.y[i] = static_cast<float>(sum);
  }
  const auto [lo, hi] = std::minmax_element(w.y.begin(), w.y.end());
  w.yMin = *lo;
  w.yMax = *hi;
  return w;
}

}  // namespace pelk::bench
