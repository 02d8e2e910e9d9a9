// The monitor's hand-typed hexadecimal input and the auto-reply decision on arbitrary text: the
// pair rule must stay inside the text and the reply code test must never throw.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/prompter.h"
#include "monitor/auto_reply.h"
#include "monitor/hex_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    rb::engine::ScriptedPrompter prompter;
    const std::string trimmed = rb::monitor::trimBlanks(text);
    const rb::wire::Bytes bytes = rb::monitor::pairsToBytes(trimmed, prompter);
    if (bytes.size() > trimmed.size() / 3 + 1) __builtin_trap();
    (void)rb::monitor::ParseHexPair(text.substr(0, 2), prompter);

    rb::monitor::AutoReplyState state;
    state.autoReplyEnabled = size > 0 && (data[0] & 1);
    state.autoReplyCode = text.substr(0, 2);
    state.autoReplyList.push_back(text);
    (void)rb::monitor::triggersAutoReply(state, size > 1 ? data[1] : 0, text);
    return 0;
}
