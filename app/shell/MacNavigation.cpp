#include "shell/MacNavigation.hpp"

namespace pellox::app {

void MacNavigation::setRequestedSection(std::optional<Section> section) {
    if (section == requestedSection_) return;
    requestedSection_ = section;
    emit requestedSectionChanged();
}

}  // namespace pellox::app
