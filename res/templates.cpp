#include "res/templates.hpp"

#include <array>

#include "res/dialogs.hpp"

namespace orvane {

namespace {

const std::array<const DialogTemplate*, 14> kTemplates = {
    &kCalculatorTemplate,    &kSplashTemplate,          &kConversionsTemplate,
    &kStopwatchTemplate,     &kAirspeedTemplate,        &kCriticalPointTemplate,
    &kWeightBalanceTemplate, &kPointOfNoReturnTemplate, &kPreferencesTemplate,
    &kSunriseSunsetTemplate, &kGreatCircleTemplate,     &kDisclaimerTemplate,
    &kAboutTemplate,         &kAircraftTemplate,
};

}  // namespace

const DialogTemplate* findDialogTemplate(int id) {
    for (const DialogTemplate* t : kTemplates) {
        if (t->id == id) {
            return t;
        }
    }
    return nullptr;
}

std::span<const DialogTemplate* const> allDialogTemplates() {
    return kTemplates;
}

}  // namespace orvane
