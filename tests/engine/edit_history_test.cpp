// Undo and redo over a page's controls: each user action is a step, a file load is a step, a
// read, a write or a store marks the form clean and starts the history again; an undo sends
// nothing.
#include "engine/edit_history.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "engine/container.h"
#include "engine/page.h"
#include "support/fake_link.h"
#include "wire/frame.h"

namespace rb::engine {
namespace {

namespace L = layout;

// Every kind of control a technician edits, stored under one key each.
class EditPage : public Page {
public:
    explicit EditPage(Session& s) : Page(s, 0) {
        auto& f = form();
        f.addButton(kReadButton, "读取数据");
        f.addEdit(10, 0, "300");
        f.addCheck(11, "开机", false);
        f.addCombo(12, {"无校验", "偶校验", "奇校验"}, 0);
        f.addEdit(13, 0, "5");
        f.addSpin(14, 13, 0, 9);
        f.addRadio(20, "12.5KHz", 20);
        f.addRadio(21, "25KHz", 20);
        f.setRadio(20, 0);
        f.setLayout(L::column(
            {L::ctl(10), L::ctl(11), L::ctl(12), L::ctl(13), L::ctl(14), L::ctl(20), L::ctl(21)}));
        f.onClick(kReadButton, [this] {
            beginRequest();
            send(wire::frame96(0x10));
        });
    }
    bool takesPartInFile() const override { return true; }
    void storeFile(ini::IniFile& file) override {
        file.setText("TelSet", "VOX", form().text(10));
        file.setInt("TelSet", "Power", form().checked(11));
        file.setInt("TelSet", "Parity", form().selection(12));
    }
    void loadFile(const ini::IniFile& file) override {
        form().setText(10, file.getText("TelSet", "VOX"));
        form().setChecked(11, file.getInt("TelSet", "Power") != 0);
        form().setSelection(12, file.getInt("TelSet", "Parity"));
    }
    void OnFrame(const wire::FrameView& frame) override {
        if (frame.code() != 0x11 || !takeAnswer(0x10)) return;
        form().setInt(10, frame[4]);
        reportSuccess(frame, "读取成功");
    }
};

// The values a step shows: edit 10, check 11, combo 12, spin buddy 13, radio group 20.
struct Values {
    std::string vox;
    bool power;
    int parity;
    std::string spin;
    int radio;
    bool operator==(const Values&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Values& v) {
    return os << v.vox << "/" << v.power << "/" << v.parity << "/" << v.spin << "/" << v.radio;
}

class EditHistoryTest : public ::testing::Test {
protected:
    EditHistoryTest() {
        session.theComm.setOpener(opener.opener());
        ContainerConfig config;
        config.defaultFileName = "Test";
        container = std::make_unique<Container>(session, config);
        page = &container->addPage(std::make_unique<EditPage>(session), "基本信息");
        session.theComm.SetWnd(container.get());
    }
    Values values() const {
        const FormModel& f = page->form();
        return {f.text(10), f.checked(11), f.selection(12), f.text(13), f.radio(20)};
    }
    EditHistory& edits() { return container->edits(0); }

    ManualTimers timers;
    ScriptedPrompter prompter;
    Session session{timers, prompter, UserPaths::inDirectory("/tmp")};
    testing::FakeOpener opener;
    std::unique_ptr<Container> container;
    Page* page = nullptr;
};

TEST_F(EditHistoryTest, UndoAndRedoWalkEveryStepOfEditsAndAFileLoad) {
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("rb_edits_" + std::to_string(::getpid()) + ".ini"))
                                 .string();
    std::ofstream(file, std::ios::binary) << "[TelSet]\r\nVOX=777\r\nPower=1\r\nParity=2\r\n";

    FormModel& f = page->form();
    std::vector<Values> steps{values()};
    const std::vector<std::function<void()>> actions = {
        [&] { f.type(10, "450"); }, [&] { f.click(11); },
        [&] { f.select(12, 1); },   [&] { f.spin(14, 2); },
        [&] { f.click(21); },       [&] { ASSERT_TRUE(container->loadFile(file, false)); },
        [&] { f.type(10, "12"); },
    };
    for (const auto& act : actions) {
        act();
        steps.push_back(values());
        ASSERT_NE(steps.back(), steps[steps.size() - 2]) << "each action changes the form";
    }
    EXPECT_EQ(steps[6], (Values{"777", true, 2, "7", 1}));
    EXPECT_FALSE(container->isClean());

    for (std::size_t i = steps.size() - 1; i > 0; --i) {
        ASSERT_TRUE(edits().undo()) << i;
        EXPECT_EQ(values(), steps[i - 1]) << "after undoing step " << i;
    }
    EXPECT_FALSE(edits().undo()) << "nothing before the last read";
    EXPECT_TRUE(container->isClean());
    for (std::size_t i = 1; i < steps.size(); ++i) {
        ASSERT_TRUE(edits().redo()) << i;
        EXPECT_EQ(values(), steps[i]) << "after redoing step " << i;
    }
    EXPECT_FALSE(edits().redo());

    // A new edit after two undos drops what could have been redone.
    edits().undo();
    edits().undo();
    f.type(10, "99");
    EXPECT_FALSE(edits().redo());
    ASSERT_TRUE(edits().undo());
    EXPECT_EQ(values(), steps[5]);
    EXPECT_EQ(opener.last, nullptr) << "nothing was sent: the port never opened";
    std::filesystem::remove(file);
}

TEST_F(EditHistoryTest, AReadAnswerAndAStoreMarkTheFormCleanAndEndTheHistory) {
    ASSERT_TRUE(session.theComm.Open(1, 9600));
    FormModel& f = page->form();
    f.type(10, "450");
    f.click(11);
    EXPECT_FALSE(container->isClean());
    EXPECT_TRUE(edits().canUndo());

    f.click(kReadButton);
    const std::size_t sent = opener.last->writes.size();
    opener.last->receive(wire::frame96(0x11, {42}));
    EXPECT_EQ(f.text(10), "42");
    EXPECT_TRUE(container->isClean()) << "the form holds what the terminal answered";
    EXPECT_FALSE(edits().canUndo()) << "no undo goes back past a read";

    f.type(10, "43");
    ASSERT_TRUE(edits().undo());
    EXPECT_EQ(f.text(10), "42");
    EXPECT_TRUE(container->isClean());
    EXPECT_EQ(opener.last->writes.size(), sent) << "undo sends nothing";

    ASSERT_TRUE(edits().redo());
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("rb_edits_store_" + std::to_string(::getpid()) + ".ini"))
                                 .string();
    ASSERT_TRUE(container->storeFile(file, false));
    EXPECT_TRUE(container->isClean());
    EXPECT_FALSE(edits().canUndo());
    std::filesystem::remove(file);
}

}  // namespace
}  // namespace rb::engine
