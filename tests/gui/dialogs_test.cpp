#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QtTest/QTest>

#include "gui/access_code_dialog.h"
#include "gui/monitor_window.h"
#include "gui_fixture.h"
#include "monitor/monitor_ids.h"

namespace rb::gui {
namespace {

TEST(AccessCode, EachPurposeTakesItsOwnCodeExactly) {
    struct Case {
        bool monitor;
        const char* code;
        bool accepted;
    } cases[] = {{false, "4lotus", true}, {false, "lotus4", false},  {false, "4LOTUS", false},
                 {false, "", false},      {false, "4lotus ", false}, {true, "lotus4", true},
                 {true, "4lotus", false}, {true, "Lotus4", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(accessCodeAccepted(c.monitor, c.code), c.accepted) << c.monitor << c.code;
    }
}

using AccessDialogTest = GuiFixture;

TEST_F(AccessDialogTest, WrongCodeKeepsTheDialogOpenAndEveryEndClearsTheFlag) {
    session.monitorAccessFlag = true;
    AccessCodeDialog d(session);
    d.show();
    EXPECT_EQ(d.codeEdit()->echoMode(), QLineEdit::Password);
    QTest::keyClicks(d.codeEdit(), "4lotus");
    QTest::keyClick(d.codeEdit(), Qt::Key_Return);  // Enter checks like "确定"
    EXPECT_EQ(prompter.lastText(), "密码不正确!");
    EXPECT_EQ(prompter.boxes.back().caption, "提示");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.codeEdit()->text(), "4lotus");
    EXPECT_TRUE(session.monitorAccessFlag);

    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_FALSE(session.monitorAccessFlag);

    session.monitorAccessFlag = true;
    d.show();
    d.codeEdit()->setText("lotus4");
    find(d, access_ids::kOk)->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_FALSE(session.monitorAccessFlag);
}

class MonitorWindowTest : public GuiFixture {
protected:
    MonitorWindowTest()
        : logic(session), window(logic, [this](QDialog& d) { return runDialog(d); }) {
        session.tool = wire::CCommTool([] { return std::string("2008-08-11 09:30:05"); });
        QObject::connect(window.traceBox()->document(), &QTextDocument::contentsChange,
                         [this](int, int removed, int) { removedChars += removed; });
    }
    std::string shown() const { return window.traceBox()->toPlainText().toStdString(); }

    monitor::CMonitorDlg logic;
    MonitorWindow window;
    int removedChars = 0;
};

TEST_F(MonitorWindowTest, TheTraceBoxOnlyAppends) {
    session.AppendTrace(0x9A, session.tool.FormatRecvTrace(wire::frame96(0x9A, {0x01})));
    session.AppendTrace(0x9A, "\r\n读取版本信息成功!");
    EXPECT_EQ(shown(), "\n接收信息(2008-08-11 09:30:05)\n96 04 80 9A 01 89 \n读取版本信息成功!");
    EXPECT_EQ(removedChars, 0);

    // Past 8000 characters the box restarts with the newest text.
    session.AppendTrace(0, "\r\n" + std::string(8000, 'a'));
    session.AppendTrace(0, "\r\n\r\n发送信息");
    EXPECT_EQ(shown(), "\n\n发送信息");

    find(window, monitor::monitor_ids::kClearTrace)->click();
    EXPECT_EQ(shown(), "");
}

TEST_F(MonitorWindowTest, ButtonsHideAndConfigure) {
    window.show();
    find(window, monitor::monitor_ids::kCloseWindow)->click();
    EXPECT_FALSE(window.isVisible());

    bool recentred = false;
    window.closedByTitleBar = [&] { recentred = true; };
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(recentred);

    monitor::MonitorHistory history(session.paths.historyFile);
    history.add("a1");
    history.add("b2");
    ASSERT_TRUE(history.save());
    formAction = [](FormDialog& d) {
        d.show();
        auto* historyList = d.findChild<QListWidget*>("1519");
        historyList->setCurrentRow(0);
        auto* code = d.findChild<QLineEdit*>("1529");
        QTest::keyClicks(code, "96");
        // Enter in the code box presses no button (it once deleted the chosen history entry).
        QTest::keyClick(code, Qt::Key_Return);
        EXPECT_EQ(historyList->count(), 2);
        EXPECT_EQ(d.findChild<QListWidget*>("1520")->count(), 0);
        d.findChild<QAbstractButton*>("1528")->click();
        d.findChild<QAbstractButton*>("1")->click();  // "确定" closes the dialog
        EXPECT_EQ(d.result(), QDialog::Accepted);
        return d.result();
    };
    find(window, monitor::monitor_ids::kConfigure)->click();
    EXPECT_EQ(formDialogTitles, std::vector<std::string>{"配置(Port:1)"});
    EXPECT_TRUE(logic.autoReply().autoReplyEnabled);
    EXPECT_EQ(logic.autoReply().autoReplyCode, "96");

    // Escape or the close box: what was changed meanwhile goes back.
    formAction = [](FormDialog& d) {
        d.show();
        d.findChild<QAbstractButton*>("1528")->click();
        EXPECT_TRUE(d.findChild<QAbstractButton*>("2"));  // "取消"
        return QDialog::Rejected;
    };
    find(window, monitor::monitor_ids::kConfigure)->click();
    EXPECT_TRUE(logic.autoReply().autoReplyEnabled);
}

}  // namespace
}  // namespace rb::gui
