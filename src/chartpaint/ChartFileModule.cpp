// The module kelvane-solve loads to draw: the results window's painter behind the ChartFileEncoder interface.
#include <string_view>
#include <type_traits>

#include "chartpaint/ChartFileEncoder.h"
#include "chartpaint/ImageFiles.h"
#include "model/Version.h"

namespace kelvane::chartpaint {
namespace {

class QtChartFileEncoder final : public ChartFileEncoder {
 public:
  std::string Encode(std::span<const charts::Chart> charts, charts::ImageFormat format) override {
    return EncodeCharts(charts, kChartFileSize, format).toStdString();
  }

 private:
  OffscreenGui gui_;
};

}  // namespace
}  // namespace kelvane::chartpaint

extern "C" [[gnu::visibility("default")]] kelvane::chartpaint::ChartFileEncoder* kelvane_CreateChartFileEncoder(
    const char* version) {
  if (version == nullptr || std::string_view(version) != kelvane::kVersion) return nullptr;
  return new kelvane::chartpaint::QtChartFileEncoder();
}
static_assert(std::is_same_v<decltype(kelvane_CreateChartFileEncoder), kelvane::chartpaint::CreateChartFileEncoder>);
