// The prompter of the desktop program: message boxes with the caption, icon and buttons a page
// asks for (Chinese button texts), and the file choosers of the containers.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "engine/prompter.h"

namespace rb::gui {

class QtPrompter : public engine::Prompter {
public:
    // Boxes that have an owner are shown over `window` (the main window), or over the active
    // window when none is set; boxes without owner stand alone.
    explicit QtPrompter(QWidget* window = nullptr) : window_(window) {}
    void setWindow(QWidget* window) { window_ = window; }

    engine::Answer message(const engine::MessageBox& box) override;
    std::optional<std::string> chooseFile(const engine::FileChoice& choice) override;

private:
    QWidget* parentFor(const void* owner) const;
    QPointer<QWidget> window_;
};

// "配置文件(*.ini)|*.ini||" -> "配置文件(*.ini)": the file chooser's filter in Qt's form.
QString qtFileFilter(const std::string& filter);

}  // namespace rb::gui
