// geometryFaults: what a technician would see as broken in a laid-out window — a control that
// reaches outside its parent, two controls on top of each other, a caption or value cut off.
// The geometry test walks every page of every type with it; the screenshot tour is where a
// person looks, this is where the build looks.
//
// Only the window's own controls are judged: the insides of compound widgets (a drop-down's
// button, a table's headers, a tab bar's arrows) are Qt's, laid out by Qt.
#pragma once

#include <QString>
#include <vector>

class QWidget;

namespace rb::gui {

// One line a fault: "<where>: <what> <name> ...". Nothing when the window is sound. Hidden
// widgets and their children are skipped; the tabs of a tab widget are judged as they show
// now (the caller shows each in turn).
// `judged`, when given, counts the widgets looked at.
std::vector<QString> geometryFaults(const QWidget& root, const QString& where,
                                    int* judged = nullptr);

}  // namespace rb::gui
