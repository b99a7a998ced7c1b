// orvane: the pilot's flight computer on Qt 6 Widgets.
#include <cstdio>
#include <exception>

#include "platform/qt/qt_platform.hpp"
#include "shell/main_window.hpp"
#include "shell/run_state.hpp"
#ifdef ORVANE_HAVE_FILE_STORE
#include "platform/file_registry.hpp"
#else
#include "platform/memory_registry.hpp"
#endif

int main(int argc, char** argv) {
#ifdef ORVANE_HAVE_FILE_STORE
    orvane::FileRegistry store(orvane::defaultRegistryPath());
#else
    orvane::MemoryRegistry store;  // settings last for this run only
#endif
    orvane::QtPlatform platform(argc, argv, store);
    static orvane::RunState state;
    try {
        return orvane::runOrvane(platform, state);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "orvane: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "orvane: stopped by an unexpected error\n");
    }
    return 1;
}
