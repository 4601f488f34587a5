// Runs XFoil for the results window on a worker thread, so that the window goes on while XFoil computes
// (it takes seconds): the progress and the end are posted back to the window's thread, and a cancel
// reaches the run through a flag it polls.
#pragma once

#include <atomic>
#include <thread>

#include <QObject>

#include "ui/ResultsForm.h"

namespace kelvane::app {

class XfoilRunner : public QObject {
 public:
  XfoilRunner(ui::ResultsForm& results, QObject* parent);
  // Stops a run still going and waits for its thread.
  ~XfoilRunner() override;

  // The form starts one run at a time and waits for its end before the next.
  void Start(const xfoil::PolarRequest& request);
  void Cancel() { cancelled_ = true; }

 private:
  ui::ResultsForm& results_;
  std::thread worker_;
  std::atomic<bool> cancelled_{false};
};

}  // namespace kelvane::app
