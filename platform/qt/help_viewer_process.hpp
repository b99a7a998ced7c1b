// The real program's help viewer: orvane-help, a process of its own, started once and then told
// over a channel on its standard input which page to show and when the zoom changes. When the
// program ends the channel closes and the viewer stays open on its own.
#pragma once

#include <sys/types.h>
#include <QRect>
#include <QString>
#include <memory>
#include <string>
#include <string_view>

#include "platform/help_viewer.hpp"

namespace orvane {

class HelpViewerProcess final : public HelpViewer {
  public:
    // Starts the viewer at path on the page (argument "file:\windows\NAME"), beside the main
    // window's frame (screen pixels) at its zoom; null when it cannot be started.
    static std::unique_ptr<HelpViewerProcess> start(const QString& path, std::string_view argument,
                                                    QRect mainWindow, double zoom);
    ~HelpViewerProcess() override;
    HelpViewerProcess(const HelpViewerProcess&) = delete;
    HelpViewerProcess& operator=(const HelpViewerProcess&) = delete;

    bool show(std::string_view argument) override;
    void setZoom(double zoom) override;

    pid_t pid() const { return pid_; }
    // Whether the viewer still runs (the pilot has not closed it).
    bool running();
    // The viewer's answer to "where": "PAGE X Y WIDTH HEIGHT ZOOM", or empty when it gives none
    // within timeoutMs.
    std::string where(int timeoutMs);

  private:
    HelpViewerProcess(pid_t pid, int channel) : pid_(pid), channel_(channel) {}
    bool send(const std::string& line);

    pid_t pid_;
    int channel_;  // our end of the viewer's standard input
};

}  // namespace orvane
