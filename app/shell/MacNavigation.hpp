#pragma once
#include <QObject>
#include <optional>

#include "shell/Section.hpp"

namespace pellox::app {

// A section that someone outside the root view (the menu's "Settings...") asks the main window to show.
class MacNavigation : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    const std::optional<Section>& requestedSection() const noexcept { return requestedSection_; }
    // Announces only a change: writing the value held (two nones included) stays silent.
    void setRequestedSection(std::optional<Section> section);

  signals:
    void requestedSectionChanged();

  private:
    std::optional<Section> requestedSection_;
};

}  // namespace pellox::app
