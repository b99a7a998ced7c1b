// Template 150. Its controls are laid out with the dialog that uses them.
#include "res/dialogs.hpp"

namespace orvane {

const DialogTemplate kWeightBalanceTemplate = {150, "Wt and Balance", 157, 169, "Tahoma", 8,
                                    ds::kCaption | ds::kContextHelp | ds::kDoneButton, {}};

}  // namespace orvane
