// The worker thread of an XFoil run and what it posts back to the window.
#include "app/XfoilRunner.h"

#include <memory>
#include <utility>

#include "ui/ResultsFormXfoil.h"

namespace kelvane::app {

XfoilRunner::XfoilRunner(ui::ResultsForm& results, QObject* parent) : QObject(parent), results_(results) {}

XfoilRunner::~XfoilRunner() {
  cancelled_ = true;
  if (worker_.joinable()) worker_.join();
}

void XfoilRunner::Start(const xfoil::PolarRequest& request) {
  if (worker_.joinable()) worker_.join();  // the last run ended already: its end was reported
  cancelled_ = false;
  worker_ = std::thread([this, request] {
    xfoil::XfoilRunOptions options;
    options.cancelled = [this] { return cancelled_.load(); };
    // Posted to this object's thread, the window's; dropped if this object is gone by then.
    options.progress = [this](int rows) {
      QMetaObject::invokeMethod(
          this, [this, rows] { results_.XfoilProgress(rows); }, Qt::QueuedConnection);
    };
    auto result = std::make_shared<ui::XfoilResult>(ui::ComputeXfoilPolar(request, std::move(options)));
    QMetaObject::invokeMethod(
        this,
        [this, result] {
          worker_.join();
          results_.XfoilFinished(std::move(*result));
        },
        Qt::QueuedConnection);
  });
}

}  // namespace kelvane::app
