#include "families/common96/encryption_hop_page.h"

#include "families/common96/encryption_group.h"
#include "families/hopmap/hop_map.h"
#include "wire/codecs.h"

namespace rb::families::common96 {

namespace {
constexpr int kSchemeSpin = 2248;
constexpr long long kMaxKeyParam = 65535;
constexpr std::size_t kHeaderEnd = 11;  // a hop answer's bytes 0-9 and the checksum
}  // namespace

EncryptionHopPage::EncryptionHopPage(engine::Session& session, int index, HopOptions options)
    : IdentityPage(session, index),
      options_(options),
      hopMap_(session, form(), this),
      sender_(hopMap_, form(), {engine::kReadButton, engine::kWriteButton},
              [this](const wire::Bytes& frame) { sendHopChunk(frame); }) {}

void EncryptionHopPage::declareEncryptionHop() {
    auto& f = form();
    f.addEdit(kSchemeEdit, 0, "0");
    f.addSpin(kSchemeSpin, kSchemeEdit, 0, 15);
    f.addEdit(kKeyParamEdit, 0, "0");
    f.addEdit(kKeyWordEdit);
    f.addButton(kEncryptReadButton, "读取");
    f.addButton(kEncryptSetButton, "设置");
    hopMap_.declare();
}

engine::LayoutItem EncryptionHopPage::encryptionLayout(const std::string& title) const {
    using namespace engine::layout;
    return group(title,
                 grid(2, {label("加密方案:"), row({ctl(kSchemeEdit), ctl(kSchemeSpin)}),
                          label("密钥参数:"), ctl(kKeyParamEdit), label("定义密钥:"),
                          ctl(kKeyWordEdit), ctl(kEncryptReadButton), ctl(kEncryptSetButton)}));
}

void EncryptionHopPage::bindEncryptionHop() {
    auto& f = form();
    texts().guard(kKeyWordEdit, kKeyWordBytes + 1);
    f.onChange(kKeyParamEdit, [this] { clampNumber(form(), kKeyParamEdit, 0, kMaxKeyParam); });
    f.onClick(kEncryptSetButton, [this] { OnEncryptSet(); });
    f.onClick(kEncryptReadButton, [this] { OnEncryptRead(); });
    f.onClick(hopmap::kReadButton, [this] { OnHopRead(); });
    f.onClick(hopmap::kSetButton, [this] { OnHopSet(); });
}

// ---- encryption --------------------------------------------------------------------------------

void EncryptionHopPage::OnEncryptSet() {
    beginRequest();
    if (auto refusal = encryptionRefusal(form())) {
        refuse(*refusal);
        return;
    }
    if (!wire::gbkEncodable(form().text(kKeyWordEdit))) {
        refuse(textNotGbkMessage("定义密钥"));
        return;
    }
    send(encryptionWriteRequest(form()));
}

void EncryptionHopPage::OnEncryptRead() {
    beginRequest();
    send(encryptionReadRequest(form()));
}

bool EncryptionHopPage::takeEncryptionAnswer(const wire::FrameView& f) {
    if (f.code() == kEncryptAck) {
        reportSuccess(f, "加密方式设置成功");
        return true;
    }
    if (f.code() != kEncryptAnswer) return false;
    onEncryption(f);
    reportSuccess(f, "加密方式读取成功");
    return true;
}

void EncryptionHopPage::onEncryption(const wire::FrameView& f) {
    const EncryptionAnswer a = decodeEncryption(f);
    if (a.scheme) form().setInt(kSchemeEdit, *a.scheme);
    form().setInt(kKeyParamEdit, a.keyParam);
    setGuardedText(kKeyWordEdit, a.keyWord);
}

// ---- hop map -----------------------------------------------------------------------------------

void EncryptionHopPage::OnHopRead() {
    beginRequest();
    form().setText(hopmap::kDataEdit, "");
    send(hopmap::hopReadRequest(hopMap_.scheme()));
    hopMap_.clear();
}

void EncryptionHopPage::OnHopSet() {
    beginRequest();
    // Every value is checked before the first chunk: a map the terminal holds only in part, or
    // with values wrapped, is worse than none.
    if (const std::size_t bad = hopmap::firstUnsendableItem(hopMap_.text())) {
        showMessage(hopmap::unsendableItemMessage(bad));
        return;
    }
    // A page that names a missing map does not start a transfer of an empty text.
    const bool noMap = options_.noMapMessage && hopMap_.text().empty();
    if (noMap || !sender_.start()) {
        if (options_.noMapMessage) showMessage(options_.noMapMessage);
        return;
    }
    // A button timer still running from a read would unlock the buttons in the middle of the
    // transfer.
    stopTimer(engine::kButtonTimer);
}

void EncryptionHopPage::sendHopChunk(const wire::Bytes& frame) {
    startTimer(hopmap::kChunkTimer, hopmap::kChunkTimeout);
    send(frame, /*expectAnswer=*/false);
}

bool EncryptionHopPage::takeHopFrame(const wire::FrameView& f) {
    if (f.code() == hopmap::kHopWriteAck) {
        onHopAck(f);
        return true;
    }
    if (f.code() != hopmap::kHopReadAnswer) return false;
    if (hopReads_.take(f, [this] { return takeAnswer(hopmap::kHopRead); })) {
        onHopChunk(f);
        reportSuccess(f, "跳频图读取成功");
    }
    return true;
}

void EncryptionHopPage::onHopAck(const wire::FrameView& f) {
    // An acknowledgement after the transfer ended (it timed out) must not report success.
    if (!sender_.running()) return;
    // Nor a second acknowledgement of a chunk: only the one of the chunk in flight moves it on.
    // (It is matched by its chunk number: a read's time-out may have come in between.)
    if (!sender_.acknowledges(f)) return;
    takeAnswer(hopmap::kHopWrite);
    stopTimer(hopmap::kChunkTimer);
    reportOnly(f, "跳频图设置成功");
    sender_.chunkAccepted();
}

void EncryptionHopPage::onHopChunk(const wire::FrameView& f) {
    const hopmap::HopAnswer answer = hopmap::decodeHopAnswer(f);
    // Scheme and length only from a frame that holds them (not from its checksum byte).
    if (options_.showAnswerHeader && f.size() >= kHeaderEnd) {
        if (answer.scheme <= 3) form().setSelection(hopmap::kSchemeCombo, answer.scheme);
        form().setSelection(hopmap::kLengthCombo, hopmap::indexOfLength(answer.length));
    }
    hopMap_.append(answer.items);
}

void EncryptionHopPage::OnTimer(int id) {
    if (id != hopmap::kChunkTimer) return;
    stopTimer(hopmap::kChunkTimer);
    // A chunk the terminal did not take leaves its map incomplete: the transfer ends failed
    // instead of sending the chunks after it.
    if (!sender_.chunkTimedOut()) return;
    session().events.timedOut();
    session().statusBar.SetText(2, engine::kFailedStatus);
    session().prompter.info(engine::kFailedBox, engine::kInfoCaption, this);
}

}  // namespace rb::families::common96
