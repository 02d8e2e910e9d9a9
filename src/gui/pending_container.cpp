#include "gui/pending_container.h"

#include <vector>

namespace rb::gui {

namespace {

// A tab whose page has no controls yet; it ignores every frame.
class EmptyPage : public engine::Page {
public:
    using Page::Page;
    void OnFrame(const wire::FrameView&) override {}
};

struct PendingType {
    const char* key;
    const char* heading;
    const char* defaultFileName;  // empty: no file buttons
    int baud;
    std::vector<const char*> tabs;
};

const std::vector<PendingType>& pendingTypes() {
    // Every type is built now; a family still to come adds its row here.
    static const std::vector<PendingType> types = {};
    return types;
}

}  // namespace

std::unique_ptr<engine::Container> makePendingContainer(const std::string& key,
                                                        engine::Session& session) {
    for (const PendingType& p : pendingTypes()) {
        if (key != p.key) continue;
        engine::ContainerConfig config;
        config.heading = p.heading;
        config.defaultFileName = p.defaultFileName;
        config.fileButtons = !config.defaultFileName.empty();
        config.baud = p.baud;
        config.family = p.key;
        auto container = std::make_unique<engine::Container>(session, config);
        for (std::size_t i = 0; i < p.tabs.size(); ++i) {
            container->addPage(std::make_unique<EmptyPage>(session, int(i)), p.tabs[i]);
        }
        // No page stores or loads anything yet: a file would be written empty and reported
        // saved.
        if (config.fileButtons) {
            container->form().enable({engine::kOpenFileButton, engine::kStoreFileButton}, false);
        }
        return container;
    }
    return nullptr;
}

}  // namespace rb::gui
