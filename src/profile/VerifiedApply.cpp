#include "profile/VerifiedApply.h"

#include "profile/Profile.h"

namespace breezekit::profile {

VerifiedApply::VerifiedApply(UnitLink& link, Asking asking, QObject* parent)
    : QObject(parent), link_(link), asking_(asking), read_(link) {
    connect(&read_, &ReplyChain::finished, this, &VerifiedApply::onRead);
}

void VerifiedApply::start(const UnitValues& target, bool keepUnitPassword) {
    target_ = target;
    keepUnitPassword_ = keepUnitPassword;
    written_ = false;
    outcome_.reset();
    read_.start(asking_);
}

void VerifiedApply::onRead(bool complete) {
    if (!complete) return finish(Outcome::Unanswered);
    if (written_) return finish(differences().empty() ? Outcome::Applied : Outcome::Differs);
    before_ = read_.values();
    if (keepUnitPassword_) target_.settings.Password = before_.settings.Password;
    plan_ = planApply(target_);
    if (plan_.refusal) return finish(Outcome::Refused);
    emit planned();
}

void VerifiedApply::write() {
    if (outcome_ || written_ || read_.running()) return;
    GroupWriter writer(link_, stopRequested_);
    written_ = true;
    for (const CommandSequence* group : {&plan_.wifi, &plan_.fan}) {
        const GroupWriter::Result result = writer.write(*group);
        if (result == GroupWriter::Result::Stopped) return finish(Outcome::Stopped);
        if (result == GroupWriter::Result::Failed) return finish(Outcome::WriteFailed);
    }
    read_.start(asking_);
}

void VerifiedApply::finish(Outcome outcome) {
    outcome_ = outcome;
    emit finished(outcome);
}

std::vector<std::string> VerifiedApply::changes() const {
    return valueDifferences(before_, plan_.expected);
}

std::vector<std::string> VerifiedApply::differences() const {
    return valueDifferences(plan_.expected, read_.values());
}

} // namespace breezekit::profile
