// The platform for the real program on Qt 6 Widgets: real windows, real timers, the system clock
// and locale, the help viewer started as its own process, one running copy per user.
#pragma once

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <memory>

#include "platform/help_viewer.hpp"
#include "platform/platform.hpp"
#include "platform/qt/qt_ui.hpp"
#include "platform/qt/single_instance.hpp"

class QApplication;

namespace orvane {

class QtPlatform final : public Platform, private QtUi::Hooks {
  public:
    // Makes the application (argc and argv must outlive it) and keeps the settings in store.
    QtPlatform(int& argc, char** argv, Registry& store);
    ~QtPlatform() override;

    bool bringRunningCopyForward() override;
    Window* createMainWindow(std::string_view title, WindowProc& procedure) override;
    int runMessageLoop() override;
    Registry& registry() override { return store_; }
    // Finds the program beside the running executable, then on PATH, and starts it without
    // waiting; false when it is in neither place or does not start. The help viewer is kept one
    // at a time: while it runs, it is told the page instead (see help_viewer_process.hpp).
    bool startProcess(std::string_view program, std::string_view argument) override;
    Date utcDate() override;
    double monotonicSeconds() override;
    std::string currencySymbol() override;
    std::string shortDateOrder() override;
    void setAppearance(Appearance choice) override { ui_->setAppearance(choice); }
    Shade shade() override { return ui_->shade(); }
    // The user's data folder ($XDG_DATA_HOME/orvane, else ~/.local/share/orvane), then the
    // folders of the program's pictures (beside it, the installed data folder, the build tree).
    std::optional<std::string> readDataFile(std::string_view name, std::size_t maxBytes) override;

  private:
    void zoomChanged(double zoom) override { helpViewer_.setZoom(zoom); }

    std::unique_ptr<QApplication> app_;
    Registry& store_;
    std::unique_ptr<QtUi> ui_;
    std::unique_ptr<SingleInstance> instance_;
    // SIGTERM and SIGHUP arrive through a pipe, read in the message loop.
    std::unique_ptr<QSocketNotifier> signals_;
    QElapsedTimer clock_;
    OneHelpViewer helpViewer_;
};

// The short date order of a date format ("M/d/yy" gives "0", "dd.MM.yyyy" "1", "yyyy-MM-dd"
// "2"): which of day, month and year comes first. "0" when the format names none.
std::string dateOrderOf(const QString& format);

}  // namespace orvane
