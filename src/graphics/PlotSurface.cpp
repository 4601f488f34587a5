// The surface that records a plot's drawing calls, for tests and for replaying them.
#include "graphics/PlotSurface.h"

#include <algorithm>

namespace kelvane {

using Kind = PlotCommand::Kind;

void RecordingSurface::SetUserScale(double xL, double yT, double xR, double yB) {
  commands_.push_back({Kind::SetUserScale, xL, yT, xR, yB, {}});
}

void RecordingSurface::Clear() {
  // The window survives a clear, so its latest setting must stay in front of it.
  const auto scale = std::find_if(commands_.rbegin(), commands_.rend(),
                                  [](const PlotCommand& command) { return command.kind == Kind::SetUserScale; });
  std::vector<PlotCommand> kept;
  if (scale != commands_.rend()) kept.push_back(*scale);
  kept.push_back({Kind::Clear, 0, 0, 0, 0, {}});
  commands_ = std::move(kept);
}

void RecordingSurface::DrawLine(double x1, double y1, double x2, double y2, LineColor color) {
  commands_.push_back({Kind::DrawLine, x1, y1, x2, y2, color});
}

void RecordingSurface::DrawLineTo(double x2, double y2, LineColor color) {
  commands_.push_back({Kind::DrawLineTo, x2, y2, 0, 0, color});
}

int RecordingSurface::CountOf(Kind kind) const {
  return static_cast<int>(std::count_if(commands_.begin(), commands_.end(),
                                        [kind](const PlotCommand& command) { return command.kind == kind; }));
}

void RecordingSurface::ReplayOn(PlotSurface& target) const {
  for (const PlotCommand& command : commands_) {
    switch (command.kind) {
      case Kind::SetUserScale: target.SetUserScale(command.a, command.b, command.c, command.d); break;
      case Kind::Clear: target.Clear(); break;
      case Kind::DrawLine: target.DrawLine(command.a, command.b, command.c, command.d, command.color); break;
      case Kind::DrawLineTo: target.DrawLineTo(command.a, command.b, command.color); break;
    }
  }
}

}  // namespace kelvane
