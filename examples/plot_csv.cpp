// A CSV file of x,y rows plotted, the axes fitted to the data.
//
//   plot_csv [DATA.csv [OUT.png]]   (no file: writes and plots cooling.csv)
// The first line may be a header; every other line holds two numbers.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <pelkgraph/pelkgraph.h>

struct Point { float x, y; };

// A cup of coffee cooling in a 20-degree room, sampled every two minutes.
void WriteSampleCsv(const std::string& path) {
  std::ofstream out(path);
  out << "minutes,celsius\n";
  for (int m = 0; m <= 60; m += 2) out << m << ',' << 20.0 + 65.0 * std::exp(-m / 18.0) << '\n';
}

// Rows of x,y; a first line of other text names the axes.
std::vector<Point> ReadCsv(const std::string& path, pelk::TPelkgraph& graph) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error(path + ": cannot open");
  std::vector<Point> points;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::size_t comma = line.find(',');
    std::replace(line.begin(), line.end(), ',', ' ');
    std::istringstream fields(line);
    Point p{};
    if (fields >> p.x >> p.y && (fields >> std::ws).eof() && std::isfinite(p.x) && std::isfinite(p.y)) {
      points.push_back(p);
    } else if (number == 1 && comma != std::string::npos) {  // a header
      graph.XAxis().SetAxisLabel(line.substr(0, comma));
      graph.YAxis().SetAxisLabel(line.substr(comma + 1, line.find_last_not_of(" \r") - comma));
    } else if (line.find_first_not_of(" \t\r") != std::string::npos) {
      throw std::runtime_error(path + ":" + std::to_string(number) + ": expected two numbers");
    }
  }
  if (points.empty()) throw std::runtime_error(path + ": no data rows");
  return points;
}

int main(int argc, char** argv) {
  try {
    const std::string data = argc > 1 ? argv[1] : "cooling.csv";
    const std::string out = argc > 2 ? argv[2] : "cooling.png";
    if (argc < 2) WriteSampleCsv(data);
    pelk::TForm form;
    form.SetClientSize(800, 600);
    pelk::TPelkgraph graph(&form);
    const std::vector<Point> points = ReadCsv(data, graph);
    const auto [minX, maxX] = std::minmax_element(points.begin(), points.end(),
                                                  [](Point a, Point b) { return a.x < b.x; });
    const auto [minY, maxY] = std::minmax_element(points.begin(), points.end(),
                                                  [](Point a, Point b) { return a.y < b.y; });
    graph.SetTitle(data);
    graph.SetSubtitle("");
    graph.SetIdentification("");
    graph.SetAxis(graph.XAxis(), 6, minX->x, maxX->x, true);  // nice steps covering the data
    graph.SetAxis(graph.YAxis(), 5, minY->y, maxY->y, true);
    graph.Refresh();
    graph.SetPlotColor(pelk::clBlue);
    graph.MoveScaledTo(points.front().x, points.front().y);
    for (const Point& p : points) graph.LineScaledTo(p.x, p.y);
    graph.SaveToFile(out);
    std::cout << out << ": " << points.size() << " points\n";
  } catch (const std::exception& e) {
    std::cerr << "plot_csv: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
