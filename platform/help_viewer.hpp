// The one help viewer a running program keeps. The program asks for a help page each time the
// pilot asks for help; a viewer already open shows that page and comes to the front, and a new
// viewer is started only when none is open (never started yet, or closed by the pilot). The real
// program's viewer is a process of its own (the Qt host), the driver's a window of its scripted
// world; both keep this one rule.
#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <utility>

namespace orvane {

// The help viewer program, found beside the program or on the PATH.
inline constexpr const char* kHelpViewer = "orvane-help";

// A help viewer that was started.
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    // Shows the page (the viewer's argument, "file:\windows\NAME") and brings the viewer to the
    // front; false when the viewer is gone (the pilot closed it) or no longer listens.
    virtual bool show(std::string_view argument) = 0;
    // The main window's zoom changed: the viewer's text follows it.
    virtual void setZoom(double zoom) = 0;
};

class OneHelpViewer {
  public:
    // Starts a new viewer on a page; null when it cannot be started.
    using Start = std::function<std::unique_ptr<HelpViewer>(std::string_view argument)>;

    explicit OneHelpViewer(Start start) : start_(std::move(start)) {}

    // Shows the page in the open viewer, or in a new one; false when no viewer can be started.
    bool request(std::string_view argument) {
        if (viewer_ && viewer_->show(argument)) {
            return true;
        }
        viewer_ = start_(argument);
        return viewer_ != nullptr;
    }

    void setZoom(double zoom) {
        if (viewer_) {
            viewer_->setZoom(zoom);
        }
    }

  private:
    Start start_;
    std::unique_ptr<HelpViewer> viewer_;
};

}  // namespace orvane
