#include "gui/qt_prompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "gui/language/language.h"

namespace rb::gui {

using engine::Answer;
using engine::Buttons;
using engine::Icon;

namespace {

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QWidget* QtPrompter::parentFor(const void* owner) const {
    if (!owner) return nullptr;
    if (QWidget* active = QApplication::activeModalWidget()) return active;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return window_.data();
}

Answer QtPrompter::message(const engine::MessageBox& box) {
    QMessageBox m(parentFor(box.owner));
    m.setWindowTitle(uiText(box.caption));
    m.setText(uiText(box.text));
    m.setIcon(qtIcon(box.icon));
    struct Choice {
        const char* text;
        QMessageBox::ButtonRole role;
        Answer answer;
    };
    std::vector<Choice> choices;
    switch (box.buttons) {
        case Buttons::Ok:
            choices = {{"确定", QMessageBox::AcceptRole, Answer::Ok}};
            break;
        case Buttons::OkCancel:
            choices = {{"确定", QMessageBox::AcceptRole, Answer::Ok},
                       {"取消", QMessageBox::RejectRole, Answer::Cancel}};
            break;
        case Buttons::YesNo:
            choices = {{"是", QMessageBox::YesRole, Answer::Yes},
                       {"否", QMessageBox::NoRole, Answer::No}};
            break;
        case Buttons::YesNoCancel:
            choices = {{"是", QMessageBox::YesRole, Answer::Yes},
                       {"否", QMessageBox::NoRole, Answer::No},
                       {"取消", QMessageBox::RejectRole, Answer::Cancel}};
            break;
    }
    std::vector<std::pair<QAbstractButton*, Answer>> buttons;
    buttons.reserve(choices.size());
    for (const auto& c : choices) {
        buttons.emplace_back(m.addButton(uiText(c.text), c.role), c.answer);
    }
    m.setDefaultButton(static_cast<QPushButton*>(buttons.front().first));
    // Escape and the close box answer like the last button (Cancel, No or OK).
    m.setEscapeButton(buttons.back().first);
    m.exec();
    for (const auto& [button, answer] : buttons) {
        if (m.clickedButton() == button) return answer;
    }
    return buttons.back().second;
}

QString qtFileFilter(const std::string& filter) {
    // The classic form is "name|pattern|name|pattern||".
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString& name = parts[i];
        const QString& pattern = parts[i + 1];
        if (name.isEmpty()) continue;
        out << (name.contains(QLatin1Char('(')) ? name : name + " (" + pattern + ")");
    }
    return out.join(QStringLiteral(";;"));
}

std::optional<std::string> QtPrompter::chooseFile(const engine::FileChoice& choice) {
    QFileDialog d(parentFor(&choice));
    d.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d.setFileMode(choice.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d.setNameFilter(qtFileFilter(choice.filter));
    d.setDefaultSuffix(QString::fromStdString(choice.defaultExtension));
    d.setOption(QFileDialog::DontConfirmOverwrite, !choice.confirmOverwrite);
    if (!choice.defaultName.empty()) d.selectFile(QString::fromStdString(choice.defaultName));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return std::nullopt;
    return engine::withDefaultExtension(d.selectedFiles().front().toStdString(),
                                        choice.defaultExtension);
}

}  // namespace rb::gui
