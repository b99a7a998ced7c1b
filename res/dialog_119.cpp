// Template 119. Its controls are laid out with the dialog that uses them.
#include "res/dialogs.hpp"

namespace orvane {

const DialogTemplate kConversionsTemplate = {119, "Conversions", 106, 114, "Tahoma", 12,
                                    ds::kCaption | ds::kContextHelp | ds::kDoneButton, {}};

}  // namespace orvane
