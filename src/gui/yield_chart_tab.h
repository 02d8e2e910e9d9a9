// "良率" in the records window: first-pass and final yield per day as bars, from the test runs
// in the unit database.
#pragma once

#include <QWidget>

class QLabel;
QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace rb::units {
class UnitStore;
}

namespace rb::gui {

class YieldChartTab : public QWidget {
    Q_OBJECT
public:
    explicit YieldChartTab(QWidget* parent = nullptr);
    // Reads the yield per day afresh.
    void fill(units::UnitStore& store);
    QChartView* view() const { return view_; }
    QLabel* note() const { return note_; }

private:
    QLabel* note_;
    QChartView* view_;
};

}  // namespace rb::gui
