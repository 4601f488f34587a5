// The drawing target of one picture area, and a surface that records the calls made on it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace kelvane {

struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kBlue{0, 0, 255};
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kPictureBackground{255, 255, 192};  // light yellow

// An absent colour is the surface's foreground colour (black).
using LineColor = std::optional<Color>;

// User coordinates: the left, top, right and bottom edges of the window; y grows upwards when top > bottom.
// They stay in double precision all the way to the pixels: a wing of 1e300 m² or 1e-300 m² lies far
// outside the range of a float.
class PlotSurface {
 public:
  virtual ~PlotSurface() = default;
  virtual void SetUserScale(double xL, double yT, double xR, double yB) = 0;
  virtual void Clear() = 0;
  virtual void DrawLine(double x1, double y1, double x2, double y2, LineColor color = {}) = 0;
  virtual void DrawLineTo(double x2, double y2, LineColor color = {}) = 0;
};

struct PlotCommand {
  enum class Kind { SetUserScale, Clear, DrawLine, DrawLineTo };
  Kind kind;
  double a = 0, b = 0, c = 0, d = 0;  // SetUserScale: xL yT xR yB; DrawLine: x1 y1 x2 y2; DrawLineTo: x2 y2
  LineColor color;
  friend bool operator==(const PlotCommand&, const PlotCommand&) = default;
};

// Keeps the calls as commands so that a picture can replay them when it paints. Clear forgets what came
// before it, except the latest SetUserScale, which stays in front: the list always draws what is on view.
class RecordingSurface : public PlotSurface {
 public:
  void SetUserScale(double xL, double yT, double xR, double yB) override;
  void Clear() override;
  void DrawLine(double x1, double y1, double x2, double y2, LineColor color = {}) override;
  void DrawLineTo(double x2, double y2, LineColor color = {}) override;

  const std::vector<PlotCommand>& Commands() const { return commands_; }
  int CountOf(PlotCommand::Kind kind) const;
  // Calls the surface with every recorded command, in order.
  void ReplayOn(PlotSurface& target) const;

 private:
  std::vector<PlotCommand> commands_;
};

}  // namespace kelvane
