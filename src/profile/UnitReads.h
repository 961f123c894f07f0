#pragma once

#include "profile/ReplyChain.h"
#include "protocol/core/UnitValues.h"

#include <cstdint>
#include <string>

namespace breezekit::profile {

// The 22 parameters of the selected unit, in the read-back's order and with its pauses. start(), then
// finished(); values() holds every reply taken so far.
class ParameterRead : public ReplyChain {
    Q_OBJECT
  public:
    explicit ParameterRead(UnitLink& link, QObject* parent = nullptr);
    void start(Asking asking = Asking::EachStep);
    const UnitValues& values() const { return values_; }

  protected:
    void take(const InputReport& reply) override;

  private:
    UnitValues values_;
};

// The selected unit's serial number.
class SerialRead : public ReplyChain {
    Q_OBJECT
  public:
    explicit SerialRead(UnitLink& link, QObject* parent = nullptr);
    void start();
    // The text up to its first zero, one byte per character.
    const std::string& serial() const { return serial_; }

  protected:
    void take(const InputReport& reply) override;

  private:
    std::string serial_;
};

// One unit's status: link states and the filter counter.
struct UnitStatus {
    bool wifiConnected = false;
    bool masterConnected = false;
    std::uint32_t filterSeconds = 0;
};

// The selected unit's status, each request after the reply to the one before.
class StatusRead : public ReplyChain {
    Q_OBJECT
  public:
    explicit StatusRead(UnitLink& link, QObject* parent = nullptr);
    void start();
    const UnitStatus& status() const { return status_; }

  protected:
    void take(const InputReport& reply) override;

  private:
    UnitStatus status_;
};

} // namespace breezekit::profile
