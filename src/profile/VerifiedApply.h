#pragma once

#include "profile/ApplyPlan.h"
#include "profile/GroupWriter.h"
#include "profile/UnitReads.h"

#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace breezekit::profile {

// A profile's values sent to the selected unit as the window's Apply Wi-Fi and Apply Fan send them, and
// checked by reading the unit back. Asynchronous over the caller's event loop:
//   start(target)  reads the unit and plans; then planned(), or finished(Unanswered or Refused)
//   write()        writes the Wi-Fi group and the Fan group, reads the unit back and compares; then
//                  finished(Applied or Differs or Unanswered), or finished(WriteFailed or Stopped) at once
// Dropping the object between the two, or during a read, writes nothing more.
class VerifiedApply : public QObject {
    Q_OBJECT
  public:
    enum class Outcome {
        Applied,     // the unit holds what was planned
        Differs,     // it was written, but the unit holds something else: differences()
        Refused,     // the window's Apply would refuse these values: plan().refusal; nothing written
        Unanswered,  // the unit did not answer a read: awaitedCode()
        WriteFailed, // a write failed or was skipped; the rest was not written
        Stopped,     // a stop request closed an open write group; nothing more was written
    };
    Q_ENUM(Outcome)

    explicit VerifiedApply(UnitLink& link, Asking asking = Asking::EachStep, QObject* parent = nullptr);

    // keepUnitPassword: the target has no password of its own and keeps the unit's.
    void start(const UnitValues& target, bool keepUnitPassword);
    void write();
    // Asked between two writes; true stops as GroupWriter does.
    void setStopRequest(std::function<bool()> stopRequested) { stopRequested_ = std::move(stopRequested); }

    // True while a read runs.
    bool reading() const { return read_.running(); }
    bool written() const { return written_; }
    std::optional<Outcome> outcome() const { return outcome_; }
    std::uint8_t awaitedCode() const { return read_.awaitedCode(); }
    const UnitValues& before() const { return before_; }
    const ApplyPlan& plan() const { return plan_; }
    const UnitValues& after() const { return read_.values(); }
    // What the apply changes on the unit, and what the unit holds other than planned, as profile lines.
    std::vector<std::string> changes() const;
    std::vector<std::string> differences() const;

  signals:
    void planned();
    void finished(VerifiedApply::Outcome outcome);

  private:
    void onRead(bool complete);
    void finish(Outcome outcome);

    UnitLink& link_;
    Asking asking_;
    ParameterRead read_;
    std::function<bool()> stopRequested_;
    UnitValues target_;
    bool keepUnitPassword_ = false;
    UnitValues before_;
    ApplyPlan plan_;
    bool written_ = false;
    std::optional<Outcome> outcome_;
};

} // namespace breezekit::profile
