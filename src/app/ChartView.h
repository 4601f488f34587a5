// Shows a tab's charts, painted to fit the widget at any size; a right click offers the tab's exports.
#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "results/charts/Chart.h"

namespace kelvane::app {

class ChartView : public QWidget {
 public:
  // `charts` gives what to paint at each paint; `exportTab` opens the export dialog.
  ChartView(std::function<const std::vector<charts::Chart>&()> charts, std::function<void()> exportTab,
            QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  std::function<const std::vector<charts::Chart>&()> charts_;
  std::function<void()> export_;
};

}  // namespace kelvane::app
