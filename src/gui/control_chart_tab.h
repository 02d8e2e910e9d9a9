// "控制图" in the records window: one chosen measurement across units in the order they were
// tested, with its limits and the mean ± 3σ lines.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
QT_BEGIN_NAMESPACE
class QChart;
class QChartView;
QT_END_NAMESPACE

namespace rb::units {
class UnitStore;
}

namespace rb::gui {

class ControlChartTab : public QWidget {
    Q_OBJECT
public:
    explicit ControlChartTab(QWidget* parent = nullptr);
    // Reads the measurement names afresh (the store stays open while the tab is filled).
    void fill(units::UnitStore& store);
    // Draws `name` (one of the measurement names).
    void show(units::UnitStore& store, const QString& name);
    QComboBox* names() const { return names_; }
    QChartView* view() const { return view_; }
    QLabel* note() const { return note_; }

private:
    QComboBox* names_;
    QLabel* note_;
    QChartView* view_;
};

}  // namespace rb::gui
