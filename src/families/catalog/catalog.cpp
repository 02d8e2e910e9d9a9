#include "families/catalog/catalog.h"

#include "families/lm52r/lm52r_container.h"
#include "families/netradio/netradio_container.h"
#include "families/protest/protest_container.h"
#include "families/qx710/qx710_container.h"
#include "families/train/train_container.h"
#include "families/wz4040/wz4040_container.h"

namespace rb::families {

const std::vector<TerminalType>& terminalTypes() {
    // The main window's terminal list, in its order.
    static const std::vector<TerminalType> types = {
        {"qx710", "QX-7100", 19200, true},        {"lm52r", "LM52R/LM520", 9600, true},
        {"lm520w", "LM520W", 19200, true, false}, {"netradio", "网络电台", 9600, true},
        {"train", "平调/列调台", 9600, true},     {"wz4040", "WZ-4040集群", 19200, true, false},
    };
    return types;
}

const TerminalType& productionTestType() {
    static const TerminalType type = {"protest", "生产测试", 9600, true};
    return type;
}

const TerminalType* findTerminalType(const std::string& key) {
    for (const auto& t : terminalTypes()) {
        if (t.key == key) return &t;
    }
    return nullptr;
}

std::string containerKeyOf(const std::string& typeKey) {
    return typeKey == "lm520w" ? "wz4040" : typeKey;
}

namespace {

std::unique_ptr<engine::Container> makeBare(const std::string& key, engine::Session& session) {
    if (key == "lm52r") return std::make_unique<lm52r::CLM52R>(session);
    if (key == "netradio") return std::make_unique<netradio::CNetRadio>(session);
    if (key == "train") return std::make_unique<train::CTrainDlg>(session);
    if (key == "protest") return std::make_unique<protest::CProTestContainer>(session);
    if (key == "qx710") return std::make_unique<qx710::CQX710>(session);
    // "lm520w" shows the trunking container too (in its relay variant).
    if (key == "wz4040" || key == "lm520w") return std::make_unique<wz4040::CWZ4040>(session);
    return nullptr;
}

}  // namespace

std::unique_ptr<engine::Container> makeContainer(const std::string& key, engine::Session& session) {
    auto container = makeBare(key, session);
    // A file is looked at through a twin of the same type before it reaches the forms.
    if (container) container->setFactory([key](engine::Session& s) { return makeBare(key, s); });
    return container;
}

}  // namespace rb::families
