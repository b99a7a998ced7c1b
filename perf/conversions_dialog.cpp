// Opens from its template until its calculations are built.
#include "shell/dialogs.hpp"
#include "shell/pending_dialog.hpp"

namespace orvane {

std::unique_ptr<WindowProc> makeConversionsDialog(DialogContext&) {
    return std::make_unique<PendingDialog>();
}

}  // namespace orvane
