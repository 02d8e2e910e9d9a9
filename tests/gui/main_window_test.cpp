#include "gui/main_window.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>

#include "families/wz4040/wz4040_container.h"
#include "gui/monitor_window.h"
#include "gui_fixture.h"
#include "link/link_opener.h"

namespace rb::gui {
namespace {

using namespace main_ids;
using engine::Answer;

using MainWindowTest = GuiFixture;

TEST_F(MainWindowTest, CancelInThePortDialogEndsBeforeAnyFormShows) {
    make();
    portAction = [](PortDialog& p) {
        find(p, port_ids::kCancel)->click();
        return p.result();
    };
    EXPECT_FALSE(window->start());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->activeWidget(), nullptr);
    EXPECT_EQ(session.theComm.receiver(), nullptr);
}

TEST_F(MainWindowTest, StartShowsTheLm52rContainerAsReceiverAlsoOffline) {
    fake.refuse = true;
    prompter.answers = {Answer::Ok, Answer::Ok};  // the reason, then "work offline"
    make();
    ASSERT_TRUE(window->start());
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"设备不存在", "是否脱机工作?"}));
    EXPECT_EQ(prompter.boxes[1].caption, "连接失败");
    EXPECT_EQ(prompter.boxes[1].icon, engine::Icon::Question);

    ASSERT_NE(window->activeContainer(), nullptr);
    EXPECT_EQ(window->activeContainer()->config().heading, "终端类型:LM52R/LM520(串口速率:9600)");
    EXPECT_EQ(session.theComm.receiver(), window->activeContainer());
    EXPECT_EQ(window->terminalIndex(), 1);
    EXPECT_EQ(window->statusText(0), "连接信息:串口未打开");
    EXPECT_EQ(window->statusText(2), "状态信息");
    EXPECT_TRUE(mainButton(kOpenPort)->isEnabled());
    EXPECT_FALSE(mainButton(kClosePort)->isEnabled());

    // The first tab shows; the other pages exist.
    ContainerWidget* cw = window->containerWidget("lm52r");
    ASSERT_NE(cw, nullptr);
    EXPECT_EQ(cw->tabs()->count(), 3);
    EXPECT_EQ(cw->tabs()->currentIndex(), 0);
    EXPECT_EQ(cw->tabs()->tabText(0), "基本信息");
}

TEST_F(MainWindowTest, CancelAfterAFailedOpenReturnsToTheDialog) {
    fake.refuse = true;
    prompter.answers = {Answer::Ok, Answer::Cancel};
    make();
    int opens = 0;
    portAction = [&](PortDialog& p) {
        find(p, port_ids::kOpen)->click();
        opens += p.isVisible() || p.result() != QDialog::Accepted;  // still open
        find(p, port_ids::kCancel)->click();
        return p.result();
    };
    EXPECT_FALSE(window->start());
    EXPECT_EQ(opens, 1);
}

TEST_F(MainWindowTest, PortDialogChoices) {
    make();
    ASSERT_TRUE(window->start());
    EXPECT_EQ(window->statusText(0), "连接信息:1,9600,N,8,1");
    EXPECT_EQ(requests.back().number, 1u);

    // Reopened after a successful open; clicking COM2 closes COM1 and opens COM2 at once.
    portAction = [](PortDialog& p) {
        EXPECT_FALSE(find(p, port_ids::kOpen)->isEnabled());
        EXPECT_TRUE(find(p, port_ids::kClose)->isEnabled());
        find<QRadioButton>(p, port_ids::kCom1 + 1)->click();
        return p.result();
    };
    window->OnPortSettings();
    EXPECT_EQ(requests.back().number, 2u);
    EXPECT_EQ(window->statusText(0), "连接信息:2,9600,N,8,1");

    // 19200 with the simulated terminal from the port list.
    portAction = [](PortDialog& p) {
        find(p, port_ids::kClose)->click();
        find<QComboBox>(p, port_ids::kSpeedList)->setCurrentIndex(1);
        auto* list = p.findChild<QComboBox*>(port_ids::kPortList);
        EXPECT_EQ(list->count(), 2);
        list->setCurrentIndex(1);
        emit list->activated(1);
        EXPECT_EQ(list->currentText(), "内置模拟终端");
        find(p, port_ids::kOpen)->click();
        return p.result();
    };
    window->OnPortSettings();
    EXPECT_EQ(requests.back().device, "sim");
    EXPECT_EQ(requests.back().family, "lm52r");
    EXPECT_EQ(requests.back().baud, 19200);
    EXPECT_EQ(window->statusText(0), "连接信息:内置模拟终端,19200,N,8,1");

    // A typed device path.
    portAction = [](PortDialog& p) {
        auto* list = p.findChild<QComboBox*>(port_ids::kPortList);
        EXPECT_EQ(list->currentText(), "内置模拟终端");  // prefilled with the port in use
        list->setEditText("/dev/pts/7");
        emit list->activated(0);
        list->setEditText("/dev/pts/7");
        find<QComboBox>(p, port_ids::kSpeedList)->setCurrentIndex(0);
        find(p, port_ids::kClose)->click();
        find(p, port_ids::kOpen)->click();
        return p.result();
    };
    window->OnPortSettings();
    EXPECT_EQ(requests.back().device, "/dev/pts/7");
    EXPECT_EQ(window->statusText(0), "连接信息:/dev/pts/7,9600,N,8,1");
}

TEST_F(MainWindowTest, CloseSwapsTheButtonsAndKeepsTheConnectionText) {
    make();
    ASSERT_TRUE(window->start());
    EXPECT_FALSE(mainButton(kOpenPort)->isEnabled());
    EXPECT_TRUE(mainButton(kClosePort)->isEnabled());
    mainButton(kClosePort)->click();
    EXPECT_FALSE(session.theComm.IsOpen());
    EXPECT_TRUE(mainButton(kOpenPort)->isEnabled());
    EXPECT_FALSE(mainButton(kClosePort)->isEnabled());
    EXPECT_EQ(window->statusText(0), "连接信息:1,9600,N,8,1");

    mainButton(kOpenPort)->click();
    EXPECT_TRUE(session.theComm.IsOpen());
    EXPECT_EQ(session.theComm.receiver(), window->activeContainer());

    // A failed open answered with Cancel ends the program.
    mainButton(kClosePort)->click();
    fake.refuse = true;
    prompter.answers = {Answer::Ok, Answer::Cancel};
    mainButton(kOpenPort)->click();
    EXPECT_EQ(exitCodes, std::vector<int>{0});
}

TEST_F(MainWindowTest, Lm520wAndWz4040ShareOneWindow) {
    make();
    ASSERT_TRUE(window->start());
    window->showTerminalType(2);  // "LM520W"
    QWidget* trunking = window->activeWidget();
    ASSERT_NE(trunking, nullptr);
    EXPECT_TRUE(trunking->isVisibleTo(window.get()));
    EXPECT_EQ(window->terminalIndex(), 2);
    // The trunking container has its heading and four tabs, and no file buttons.
    ContainerWidget* cw = window->containerWidget("wz4040");
    ASSERT_EQ(cw, trunking);
    auto& wz = dynamic_cast<families::wz4040::CWZ4040&>(cw->container());
    EXPECT_TRUE(wz.relay());
    EXPECT_EQ(cw->container().config().heading, "终端类型:WZ-4040集群(串口速率:19200)");
    EXPECT_EQ(cw->tabs()->count(), 4);
    EXPECT_EQ(cw->tabs()->tabText(3), "业务控制类(测试使用)");
    EXPECT_EQ(cw->findChild<QPushButton*>("2088"), nullptr);

    auto* list = find<QComboBox>(*window, kTerminalList);
    list->setCurrentIndex(5);
    emit list->activated(5);  // "WZ-4040集群"
    EXPECT_FALSE(wz.relay());
    EXPECT_EQ(window->activeWidget(), trunking);
    // Each showing applies its type's face to the base page.
    engine::FormModel& base = cw->container().page(0).form();
    EXPECT_EQ(base.text(1665), "默认信道发射频率:");
    EXPECT_TRUE(base.enabled(1060));
    window->showTerminalType(2);
    EXPECT_EQ(base.text(1665), "信道发射频率:");
    EXPECT_FALSE(base.enabled(1060));
    window->showTerminalType(5);
    EXPECT_EQ(session.theComm.receiver(), window->activeContainer());
    // The LM52R container is only hidden; it comes back with its window.
    QWidget* lm52r = window->containerWidget("lm52r");
    window->showTerminalType(1);
    EXPECT_EQ(window->activeWidget(), lm52r);
    EXPECT_FALSE(trunking->isVisibleTo(window.get()));
}

TEST_F(MainWindowTest, ProductionTestToggleReturnsToTheListedType) {
    make();
    ASSERT_TRUE(window->start());
    window->showTerminalType(0);               // "QX-7100"
    QWidget* listed = window->activeWidget();  // the listed type the toggle returns to

    codes = {"lotus4"};  // the monitor's code is refused here
    mainButton(kProductionTest)->click();
    EXPECT_EQ(prompter.lastText(), "密码不正确!");
    EXPECT_EQ(mainButton(kProductionTest)->text(), "终端设置");
    EXPECT_EQ(window->activeWidget(), listed);  // not created: nothing new shows
    EXPECT_FALSE(listed->isVisibleTo(window.get()));
    mainButton(kProductionTest)->click();
    EXPECT_EQ(window->activeWidget(), listed);
    EXPECT_TRUE(listed->isVisibleTo(window.get()));

    codes = {"4lotus"};
    mainButton(kProductionTest)->click();
    QWidget* proTest = window->activeWidget();
    EXPECT_NE(proTest, listed);
    // The bench page, registered as the receiver of frames, with no tab bar: its second page,
    // the data test, shows in its place only through "数传测试".
    auto* bench = qobject_cast<ContainerWidget*>(proTest);
    ASSERT_NE(bench, nullptr);
    EXPECT_EQ(bench->tabs()->count(), 2);
    EXPECT_FALSE(bench->tabs()->tabBar()->isVisibleTo(bench));
    EXPECT_EQ(bench->tabs()->currentIndex(), 0);
    EXPECT_EQ(session.theComm.receiver(), window->activeContainer());
    window->activeContainer()->page(0).form().click(1171);  // "数传测试"
    EXPECT_EQ(bench->tabs()->currentIndex(), 1);
    EXPECT_EQ(accessFlags, (std::vector<bool>{false, false}));
    mainButton(kProductionTest)->click();
    EXPECT_EQ(window->activeWidget(), listed);
    EXPECT_EQ(mainButton(kProductionTest)->text(), "生产测试");
    EXPECT_EQ(window->terminalIndex(), 0);

    // Once created, the page shows without the code, the production page in front.
    mainButton(kProductionTest)->click();
    EXPECT_EQ(window->activeWidget(), proTest);
    EXPECT_EQ(bench->tabs()->currentIndex(), 0);
    EXPECT_EQ(accessFlags.size(), 2u);
}

TEST_F(MainWindowTest, MonitorAsksEveryTimeButIsCreatedOnce) {
    make();
    ASSERT_TRUE(window->start());
    codes = {"4lotus"};
    mainButton(kMonitor)->click();
    EXPECT_EQ(window->monitorWindow(), nullptr);
    EXPECT_FALSE(session.hasMonitor());
    EXPECT_FALSE(session.monitorAccessFlag);

    codes = {"lotus4"};
    mainButton(kMonitor)->click();
    MonitorWindow* first = window->monitorWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), "收发数据显示(Port:1)");
    first->hide();

    codes = {"lotus4"};
    mainButton(kMonitor)->click();
    EXPECT_EQ(window->monitorWindow(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(accessFlags, (std::vector<bool>{true, true, true}));
    // Beside the main window, as high as it.
    EXPECT_EQ(first->frameGeometry().left(), window->frameGeometry().right() + 1);
    EXPECT_EQ(first->height(), window->height());

    // A cancelled monitor code leaves the production test asking for its own code.
    codes = {""};
    mainButton(kMonitor)->click();
    codes = {"4lotus"};
    mainButton(kProductionTest)->click();
    EXPECT_EQ(accessFlags.back(), false);
    EXPECT_EQ(mainButton(kProductionTest)->text(), "终端设置");
}

TEST_F(MainWindowTest, ExitButtonEndsWithZero) {
    make();
    ASSERT_TRUE(window->start());
    mainButton(kExit)->click();
    EXPECT_EQ(exitCodes, std::vector<int>{0});
}

TEST_F(MainWindowTest, ReadOnTheSimulatedTerminalShowsInTheMonitor) {
    session.theComm.setOpener(link::makeLinkOpener(timers));
    make();
    PortSettings sim;
    sim.device = "sim";
    sim.commBaudRate = 9600;
    ASSERT_TRUE(window->start(sim));
    EXPECT_EQ(portDialogRuns, 0);
    EXPECT_EQ(window->statusText(0), "连接信息:内置模拟终端,9600,N,8,1");

    codes = {"lotus4"};
    window->openMonitor();
    window->activeContainer()->page(0).form().click(engine::kReadButton);
    timers.advance(engine::Millis{3000});
    const QString trace = window->monitorWindow()->traceBox()->toPlainText();
    EXPECT_TRUE(trace.startsWith("\n发送信息(")) << trace.left(40).toStdString();
    EXPECT_TRUE(trace.contains("接收信息("));
    EXPECT_TRUE(trace.contains("80 9A")) << trace.toStdString();  // upper-case digits
    EXPECT_FALSE(window->statusText(1).isEmpty());
    EXPECT_TRUE(prompter.boxes.empty()) << prompter.lastText();
}

TEST_F(MainWindowTest, TheBuiltInSimulatorBecomesABenchTerminalForTheProductionTest) {
    session.theComm.setOpener(link::makeLinkOpener(timers));
    make();
    PortSettings sim;
    sim.device = "sim";
    sim.commBaudRate = 9600;
    ASSERT_TRUE(window->start(sim));
    codes = {"4lotus"};
    mainButton(kProductionTest)->click();
    EXPECT_EQ(session.theComm.lastRequest.family, "protest");
    ASSERT_NE(window->activeContainer(), nullptr);
    window->activeContainer()->page(0).form().click(1671);  // "全部读取"
    timers.advance(engine::Millis{3000});
    EXPECT_EQ(prompter.lastText(), "全部数据读取成功!");
    mainButton(kProductionTest)->click();  // back to the listed type, and its terminal
    EXPECT_EQ(session.theComm.lastRequest.family, "lm52r");
}

TEST_F(MainWindowTest, ChannelButtonOpensTheChannelDialog) {
    make();
    ASSERT_TRUE(window->start());
    formAction = [](FormDialog& d) {
        auto* ok = d.findChild<QPushButton*>("1004");
        EXPECT_NE(ok, nullptr);
        if (ok) ok->click();
        return d.result();
    };
    FormView* base = window->containerWidget("lm52r")->pageView(0);
    QPushButton* channel1 = base->findChildren<QPushButton*>().value(0);
    for (QPushButton* b : base->findChildren<QPushButton*>()) {
        if (b->text() == "信道01") channel1 = b;
    }
    ASSERT_EQ(channel1->text(), "信道01");
    channel1->click();
    EXPECT_EQ(formDialogTitles, std::vector<std::string>{"信道参数设置"});
}

}  // namespace
}  // namespace rb::gui
