#include "platform/scripted_host.hpp"

#include "platform/data_files.hpp"
#include "platform/device_layout.hpp"

namespace orvane {

namespace {

// The scripted world's help viewer: a window that shows the page it was last given, until the
// pilot closes it (closeHelpViewer).
class ScriptedHelpViewer final : public HelpViewer {
  public:
    explicit ScriptedHelpViewer(ScriptedHost::HelpWindow& window) : window_(window) {}
    bool show(std::string_view argument) override {
        if (!window_.open) {
            return false;
        }
        window_.page = argument;
        ++window_.raised;
        return true;
    }
    void setZoom(double zoom) override {
        if (window_.open) {
            window_.zoom = zoom;
        }
    }

  private:
    ScriptedHost::HelpWindow& window_;
};

}  // namespace

std::vector<std::string> panelBoxFaults(const std::vector<DrawCall>& calls) {
    std::vector<std::string> faults;
    for (const DrawCall& c : calls) {
        if (c.kind != DrawCall::Kind::Text || c.text.empty()) {
            continue;
        }
        if (c.left < 0 || c.top < 0 || c.right > kScreenWidth || c.bottom > kMainClientHeight) {
            faults.push_back("panel text \"" + c.text + "\" " +
                             describeRect({c.left, c.top, c.right - c.left, c.bottom - c.top}) +
                             " is not inside the panel " +
                             describeRect({0, 0, kScreenWidth, kMainClientHeight}));
        }
    }
    return faults;
}

ScriptedHost::ScriptedHost()
    : helpViewers_([this](std::string_view argument) -> std::unique_ptr<HelpViewer> {
          if (helpViewerMissing_) {
              return nullptr;
          }
          ++helpViewersStarted_;
          helpWindow_ = HelpWindow{true, std::string(argument), 0, zoom_};
          return std::make_unique<ScriptedHelpViewer>(helpWindow_);
      }) {}

bool ScriptedHost::startProcess(std::string_view, std::string_view argument) {
    return helpViewers_.request(argument);
}

std::optional<std::string> ScriptedHost::readDataFile(std::string_view name, std::size_t maxBytes) {
    const auto found = dataFiles_.find(name);
    if (found == dataFiles_.end() || !found->second) {
        return std::nullopt;
    }
    return readSmallFile(*found->second, maxBytes);
}

}  // namespace orvane
