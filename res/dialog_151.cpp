// Template 151. Its controls are laid out with the dialog that uses them.
#include "res/dialogs.hpp"

namespace orvane {

const DialogTemplate kPointOfNoReturnTemplate = {151, "Pt of no return", 157, 165, "Tahoma", 8,
                                    ds::kCaption | ds::kContextHelp | ds::kDoneButton, {}};

}  // namespace orvane
