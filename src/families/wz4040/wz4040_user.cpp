#include "families/wz4040/wz4040_user.h"

#include <algorithm>

#include "families/eapages/aux_commands.h"
#include "wire/codecs.h"
#include "wire/ea_payload.h"
#include "wire/text_format.h"

namespace rb::families::wz4040 {

using namespace user_ids;

namespace {

constexpr std::uint8_t kWriteGroups = 0x17;
constexpr std::uint8_t kWriteOwner = 0x18;
constexpr std::uint8_t kPower = 0x29;
constexpr std::uint8_t kPowerAnswer = 0x2A;
constexpr std::uint8_t kReadGroups = 0x2B;
constexpr std::uint8_t kGroupsAnswer = 0x2C;
constexpr std::uint8_t kReadOwner = 0x2D;
constexpr std::uint8_t kOwnerAnswer = 0x2E;
constexpr std::uint8_t kAck = 0x80;
constexpr std::uint8_t kPower5WCode = 0x11;

using wire::twoDigits;

}  // namespace

CWZ4040User::CWZ4040User(engine::Session& session) : EaPage(session, kIndex) {
    declareForm();
    bindReadWrite();
    auto& f = form();
    f.onChange(kStaticSpin, [this] { applyCounts(); });
    f.onChange(kDynamicSpin, [this] { applyCounts(); });
    f.onClick(kResetButton, [this] { sendReset(); });
    f.onClick(kWorkModeButton, [this] { sendWorkMode(); });
    f.onClick(kPowerOn, [this] { sendPowerNotice(true); });
    f.onClick(kPowerOff, [this] { sendPowerNotice(false); });
    resetFields();
}

int CWZ4040User::staticCount() const {
    return std::clamp(wire::parseInt(form().text(kStaticCount)), 0, kGroupCodes);
}

int CWZ4040User::dynamicCount() const {
    return std::clamp(wire::parseInt(form().text(kDynamicCount)), 0, kGroupCodes);
}

void CWZ4040User::applyCounts() {
    auto& f = form();
    const int s = staticCount(), d = dynamicCount();
    f.setValue(kStaticSpin, s);
    f.setValue(kDynamicSpin, d);
    for (int k = 1; k <= kGroupCodes; ++k) {
        f.enable(staticEdit(k), k <= s);
        f.enable(dynamicEdit(k), k <= d);
    }
}

void CWZ4040User::resetFields() {
    auto& f = form();
    f.setText(kOwnerName, "");
    f.setText(kOwnerText, "");
    f.setRadio(kPower5W, 0);
    f.setText(kStaticCount, "0");
    f.setText(kDynamicCount, "0");
    applyCounts();
}

// ---- requests -----------------------------------------------------------------------------

void CWZ4040User::sendFirstRead() { send(wire::frameEA(kReadOwner)); }

bool CWZ4040User::precheckWrite() { return checkOwner() && checkGroups(); }

bool CWZ4040User::checkOwner() {
    const auto& f = form();
    return checkText(f.text(kOwnerName), kOwnerNameBytes, "机主姓名") &&
           checkText(f.text(kOwnerText), kOwnerTextBytes, "机主身份信息");
}

bool CWZ4040User::checkGroups() {
    const auto& f = form();
    // The counts share one byte (a nibble each); a count from a file or `run set` beyond 15
    // is refused, not cut. Each code travels in 16 bits.
    struct List {
        int count;
        int (*edit)(int);
        const char* name;
    };
    const List lists[] = {{kStaticCount, &staticEdit, "静态组呼"},
                          {kDynamicCount, &dynamicEdit, "动态组呼"}};
    for (const List& l : lists) {
        const auto n = whole(f.text(l.count), 0, kGroupCodes);
        if (!n) return showMessage(std::string(l.name) + "个数设置错误,请设置为0-15!");
        for (int k = 1; k <= *n; ++k) {
            if (!whole(f.text(l.edit(k)), 0, 65535))
                return showMessage(std::string(l.name) + "码" + twoDigits(k) +
                                   "设置错误,请设置为0-65535!");
        }
    }
    return true;
}

void CWZ4040User::sendFirstWrite() {
    if (!checkOwner()) return;
    const auto& f = form();
    wire::Bytes p;
    wire::putGbkField(p, f.text(kOwnerName), kOwnerNameBytes);
    wire::putGbkField(p, f.text(kOwnerText), kOwnerTextBytes);
    send(wire::frameEA(kWriteOwner, p));
}

void CWZ4040User::requestPower(bool write) {
    const std::uint8_t power = form().radio(kPower5W) == 0 ? kPower5WCode : 0x00;
    send(wire::frameEA(kPower, {std::uint8_t(write ? 1 : 0), power}));
}

void CWZ4040User::writeGroups() {
    if (!checkGroups()) return;
    const auto& f = form();
    const int s = staticCount(), d = dynamicCount();
    wire::Bytes p{std::uint8_t(d * 16 + s)};
    for (int k = 1; k <= s; ++k)
        wire::putU16be(p, std::uint32_t(wire::parseLong(f.text(staticEdit(k)))));
    for (int k = 1; k <= d; ++k)
        wire::putU16be(p, std::uint32_t(wire::parseLong(f.text(dynamicEdit(k)))));
    send(wire::frameEA(kWriteGroups, p));
}

void CWZ4040User::sendReset() {
    const auto delay = std::uint8_t(wire::parseLong(form().text(kResetDelay)));
    command(eapages::resetFrame(delay), false);
}

void CWZ4040User::sendWorkMode() {
    command(eapages::workModeFrame(std::uint8_t(form().radio(kFactoryMode) == 1 ? 1 : 0)), false);
}

void CWZ4040User::sendPowerNotice(bool on) {
    command(eapages::powerTimeFrame(on, session().tool.timeText()), false);
}

// ---- answers ------------------------------------------------------------------------------

void CWZ4040User::OnFrame(const wire::FrameView& frame) {
    const wire::EaPayload p(frame);
    auto& f = form();
    switch (frame.code()) {
        // Each answer acts only when it answers the request the page is waiting for; a stray
        // (late, second, or of the other chain) is traced by the container and ignored here.
        case kOwnerAnswer:
            if (!takeAnswer(kReadOwner)) break;
            f.setText(kOwnerName, p.text(3, kOwnerNameBytes));
            f.setText(kOwnerText, p.text(22, kOwnerTextBytes));
            reportSuccess(frame, "用户信息读取成功");
            requestPower(false);
            break;
        case kPowerAnswer:
            // 0x29 is a step of both chains: its 0x2A answer belongs to the read only.
            if (modeFlag() != 0 || !takeAnswer(kPower)) break;
            f.setRadio(kPower5W, p[0] == kPower5WCode ? 0 : 1);
            reportSuccess(frame, "发射功率读取成功");
            send(wire::frameEA(kReadGroups));
            break;
        case kGroupsAnswer: {
            if (!takeAnswer(kReadGroups)) break;
            f.setInt(kDynamicCount, p[0] >> 4);
            f.setInt(kStaticCount, p[0] & 0x0F);
            applyCounts();
            std::size_t at = 1;
            for (int k = 1; k <= staticCount(); ++k, at += 2) f.setInt(staticEdit(k), p.u16be(at));
            for (int k = 1; k <= dynamicCount(); ++k, at += 2)
                f.setInt(dynamicEdit(k), p.u16be(at));
            reportSuccess(frame, "组呼码读取成功");
            break;
        }
        case kAck:
            // Only the echo of the command written last, still waited for, moves the chain.
            if ((p[0] != kWriteOwner && p[0] != kPower && p[0] != kWriteGroups) ||
                modeFlag() != 1 || !takeAnswer(p[0]))
                break;
            if (p[0] == kWriteOwner) {
                reportSuccess(frame, "用户信息设置成功");
                requestPower(true);
            } else if (p[0] == kPower) {
                reportSuccess(frame, "发射功率设置成功");
                writeGroups();
            } else if (p[0] == kWriteGroups) {
                reportSuccess(frame, "组呼码设置成功");
            }
            break;
        default:
            break;
    }
}

}  // namespace rb::families::wz4040
