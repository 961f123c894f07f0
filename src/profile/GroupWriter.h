#pragma once

#include "protocol/core/CommandSequence.h"

#include <functional>

namespace breezekit {
class UnitLink;
}

namespace breezekit::profile {

// Writes command lists to the selected unit as the link sends them, pauses included, and knows whether a
// write group is open. Between two commands a stop request closes an open group and opens no new one;
// what follows a closed group (the Wi-Fi module's restart) still goes out, or the module could stay off.
class GroupWriter {
  public:
    enum class Result { Written, Failed, Stopped };

    GroupWriter(UnitLink& link, std::function<bool()> stopRequested);

    // Stopped when a stop was requested, else Failed when a write failed or was skipped.
    [[nodiscard]] Result write(const CommandSequence& commands);
    bool groupOpen() const { return groupOpen_; }

  private:
    UnitLink& link_;
    std::function<bool()> stopRequested_;
    bool groupOpen_ = false;
};

} // namespace breezekit::profile
