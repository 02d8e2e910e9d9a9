#include "gui/safety_bar.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>

#include "engine/read_history.h"
#include "gui/container_widget.h"
#include "gui/language/language.h"
#include "gui/safety_dialogs.h"

namespace rb::gui {

SafetyBar::SafetyBar(ContainerWidget& view, std::string type, QWidget* parent)
    : QWidget(parent),
      view_(view),
      container_(view.container()),
      type_(std::move(type)),
      reader_(container_.session()),
      backup_(container_, type_) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto add = [&](int id, const char* text, void (SafetyBar::*action)()) {
        auto* b = new QPushButton(uiText(text));
        b->setObjectName(QString::number(id));
        connect(b, &QPushButton::clicked, this, [this, action] { (this->*action)(); });
        row->addWidget(b);
    };
    add(safety_ids::kReadAll, "全部读取", &SafetyBar::readAll);
    add(safety_ids::kCompare, "比较", &SafetyBar::openCompare);
    add(safety_ids::kHistory, "历史记录", &SafetyBar::openHistory);
    qApp->installEventFilter(this);
}

SafetyBar::~SafetyBar() { qApp->removeEventFilter(this); }

void SafetyBar::readAll() {
    engine::Session& session = container_.session();
    const bool started = reader_.start(container_, [this, &session](bool ok, const std::string&) {
        if (!ok) return;  // the page has said why
        std::string error;
        if (const auto entry = engine::recordRead(container_, type_, &error)) {
            session.statusBar.SetText(2, "全部读取完成, 已存入历史记录");
        } else {
            session.prompter.info(engine::kHistoryFailed + error, engine::kInfoCaption);
        }
    });
    if (!started) session.statusBar.SetText(2, "正在读取, 请稍候");
}

void SafetyBar::openCompare() {
    auto* dialog = new CompareDialog(*this, container_, type_, window());
    dialog->show();
}

void SafetyBar::openHistory() {
    auto* dialog = new HistoryDialog(*this, container_, type_, window());
    dialog->show();
}

bool SafetyBar::undo(bool redo) {
    const std::size_t page = container_.currentTab();
    if (page >= container_.pageCount()) return false;
    engine::EditHistory& edits = container_.edits(page);
    return redo ? edits.redo() : edits.undo();
}

void SafetyBar::showField(std::size_t page, int id) {
    if (page >= container_.pageCount()) return;
    container_.selectTab(page);
    view_.tabs()->setCurrentIndex(int(page));
    view_.window()->activateWindow();
    if (QWidget* w = view_.pageView(page)->widget(id)) w->setFocus(Qt::OtherFocusReason);
}

int SafetyBar::pageOf(QObject* watched) const {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || !isVisible()) return -1;
    for (std::size_t i = 0; i < container_.pageCount(); ++i) {
        QWidget* page = view_.pageView(i);
        if (page && (page == w || page->isAncestorOf(w))) return int(i);
    }
    return -1;
}

bool SafetyBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool isUndo = key->matches(QKeySequence::Undo);
    const bool isRedo = key->matches(QKeySequence::Redo) ||
                        (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
    if (!isUndo && !isRedo) return false;
    const int page = pageOf(watched);
    if (page < 0) return false;
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();  // the key comes to the page as a key press, not to a shortcut
        return true;
    }
    container_.selectTab(std::size_t(page));
    undo(isRedo);
    return true;
}

}  // namespace rb::gui
