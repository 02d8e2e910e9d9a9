// The window of one terminal type: the container's heading and file buttons above a tab widget
// whose tabs are the rendered pages. Pages that open a dialog of their own (the LM52R channel
// dialog) get it rendered here as a modal window.
#pragma once

#include <QWidget>
#include <vector>

#include "engine/container.h"
#include "gui/form_view.h"
#include "gui/modal.h"

class QHBoxLayout;
class QTabWidget;

namespace rb::gui {

class ContainerWidget : public QWidget {
    Q_OBJECT
public:
    ContainerWidget(engine::Container& container, ModalRunner runModal, QWidget* parent = nullptr);
    ~ContainerWidget() override { container_.tabSelected = nullptr; }

    engine::Container& container() { return container_; }
    QTabWidget* tabs() const { return tabs_; }
    FormView* pageView(std::size_t i) const { return pages_.at(i); }
    // A widget at the end of the heading row, after the file buttons (the safety bar).
    void addHeadingWidget(QWidget* widget);

private:
    void hookPageDialogs(engine::Page& page);
    // A container without a tab bar: the page at `index` shows, the others take no room.
    void showOnlyPage(int index);

    engine::Container& container_;
    ModalRunner runModal_;
    QTabWidget* tabs_;
    QHBoxLayout* headingRow_ = nullptr;
    std::vector<FormView*> pages_;
};

// A headless dialog's form (channel dialog, auto-reply configuration) in a dialog window.
class FormDialog : public QDialog {
    Q_OBJECT
public:
    FormDialog(engine::FormModel& model, const QString& caption, QWidget* parent = nullptr);
    FormView* view() const { return view_; }

private:
    FormView* view_;
};

}  // namespace rb::gui
