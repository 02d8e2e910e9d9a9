// How the windows run their modal dialogs. The program runs them with exec(); tests pass a
// runner that fills in the dialog and closes it, so that nothing ever waits for a person.
#pragma once

#include <QDialog>
#include <functional>

namespace rb::gui {

using ModalRunner = std::function<int(QDialog&)>;

inline ModalRunner execModal() {
    return [](QDialog& d) { return d.exec(); };
}

}  // namespace rb::gui
