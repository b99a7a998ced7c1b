// Template 149. Its controls are laid out with the dialog that uses them.
#include "res/dialogs.hpp"

namespace orvane {

const DialogTemplate kCriticalPointTemplate = {149, "Critical Point", 156, 166, "Tahoma", 8,
                                    ds::kCaption | ds::kContextHelp | ds::kDoneButton, {}};

}  // namespace orvane
