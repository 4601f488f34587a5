// The picture files a chart or a picture is saved as, told by the file name's ending.
#pragma once

#include <optional>
#include <string_view>

namespace kelvane::charts {

enum class ImageFormat { Png, Svg };

// ".png" or ".svg", in any case; nothing for any other name.
std::optional<ImageFormat> ImageFormatOf(std::string_view path);

}  // namespace kelvane::charts
