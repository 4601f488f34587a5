// Chart texts painted into a narrow picture: a subtitle or legend entry wider than the chart goes on more
// lines, broken between the parts of its wording and never inside one.
#include <gtest/gtest.h>

#include <string>

#include "chartpaint/ImageFiles.h"
#include "results/charts/Chart.h"

namespace kelvane::chartpaint {
namespace {

TEST(ChartPainter, BreaksAWideWordingBetweenItsParts) {
  const std::string wing = "a-rather-long-wing-name.cfg", rest = "alfa = -4 ... 12 (17 points) · N = 15";
  charts::Chart chart;
  chart.title = "Lift";
  chart.subtitle = wing + " · " + rest;
  chart.series = {{.name = chart.subtitle, .points = {{0, 0}, {1, 1}}, .color = {}}};
  const std::string svg = EncodeCharts({&chart, 1}, QSize(300, 400), charts::ImageFormat::Svg).toStdString();
  // Each a text of its own, under the title and again in the legend.
  for (const std::string& line : {wing, rest}) {
    const auto first = svg.find(">" + line + "</text>");
    ASSERT_NE(first, std::string::npos) << line;
    EXPECT_NE(svg.find(">" + line + "</text>", first + 1), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace kelvane::chartpaint
