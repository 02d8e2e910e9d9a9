// FormView: the one generic renderer of a headless form. It turns a FormModel and its layout
// tree into Qt widgets, keeps every widget in step with its control (the model's listeners), and
// hands every user action back to the model by control id (click, type, select, spin). Pages
// never create widgets; a new page needs nothing here.
//
// Each control's widget carries its id as object name ("2090"), so tests and screenshots can
// find it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>

#include "engine/form_model.h"

namespace rb::gui {

class FormView : public QWidget {
    Q_OBJECT
public:
    // Renders the model's own layout; a model without one shows every control, in declaration
    // order, in one column.
    explicit FormView(engine::FormModel& model, QWidget* parent = nullptr);
    // Renders the given layout of the model's controls.
    FormView(engine::FormModel& model, const engine::LayoutItem& layout, QWidget* parent = nullptr);
    ~FormView() override;

    engine::FormModel& model() { return model_; }
    // The widget of a control, null when the layout does not place it.
    QWidget* widget(int id) const;

private:
    void build(const engine::LayoutItem& root);
    QWidget* buildItem(const engine::LayoutItem& item);
    QWidget* makeControl(int id);
    QWidget* makeSpinArrows(int id);
    // The spin whose buddy is `editId` when it stands right after it in `items`, else 0.
    int spinAfter(const std::vector<engine::LayoutItem>& items, std::size_t i) const;
    // An edit and its spin arrows as one control: the arrows touch the box.
    QWidget* joined(QWidget* edit, QWidget* arrows);
    void connectControl(int id, QWidget* w);
    void sync(int id);
    // After a user action: the model may have refused it or changed it, so show the model.
    void afterAction(int id);

    engine::FormModel& model_;
    std::map<int, QWidget*> widgets_;
    int listener_ = 0;
    bool syncing_ = false;  // widgets being set from the model: their signals are not actions
};

}  // namespace rb::gui
