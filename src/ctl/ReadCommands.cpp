#include "ctl/CommandRunner.h"
#include "ctl/Interrupt.h"
#include "hid/device/HidDevice.h"
#include "protocol/core/Commands.h"
#include "protocol/core/Limits.h"
#include "protocol/core/NetworkSearch.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace breezekit::ctl {

namespace {
constexpr std::chrono::milliseconds kSearchLimit{15000};
constexpr std::chrono::milliseconds kSearchRepeat{kSearchRepeatMs};
constexpr std::chrono::milliseconds kSearchAfterFirst{kSearchListenMs};
} // namespace

int CommandRunner::list() {
    const auto& units = session_->units();
    QJsonArray array;
    for (std::size_t i = 0; i < units.size(); ++i) {
        HidDevice* unit = units[i];
        const std::string serial = unitSerial(unit);
        const UnitAccess access = UnitLink::accessOf(*unit);
        const char* accessText = access == UnitAccess::Usable     ? "usable"
                                 : access == UnitAccess::NoAccess ? "no access"
                                                                  : "unusable reports";
        const QString model = QString::fromStdU16String(UnitLink::modelOf(*unit));
        if (flag("--json")) {
            array.append(QJsonObject{{"position", static_cast<int>(i + 1)},
                                     {"model", model},
                                     {"serial", QString::fromStdString(serial)},
                                     {"access", accessText}});
        } else {
            out_ << i + 1 << ". " << utf8(model) << "  serial " << serial << "  " << accessText;
            if (access == UnitAccess::NoAccess)
                out_ << " (install the udev rule 70-breezekit.rules, see README, and plug it in again)";
            out_ << "\n";
        }
    }
    if (flag("--json")) out_ << QJsonDocument(array).toJson(QJsonDocument::Indented).toStdString();
    return kExitDone;
}

QJsonObject CommandRunner::statusJson(const UnitStatus& s) const {
    return {{"wifiConnected", s.wifiConnected},
            {"masterConnected", s.masterConnected},
            {"filterSeconds", static_cast<qint64>(s.filterSeconds)}};
}

std::string CommandRunner::statusLine(const UnitStatus& s) const {
    const std::uint32_t t = s.filterSeconds;
    return std::string("Wi-Fi ") + (s.wifiConnected ? "connected" : "disconnected") + ", master " +
           (s.masterConnected ? "connected" : "disconnected") + ", filter " +
           std::to_string(t / kSecondsPerDay) + " d " + std::to_string(t / kSecondsPerHour % kHoursPerDay) +
           " h " + std::to_string(t / kSecondsPerMinute % kMinutesPerHour) + " min " +
           std::to_string(t % kSecondsPerMinute) + " s";
}

int CommandRunner::show() {
    std::string step;
    const std::optional<UnitValues> values = session_->readParameters(step);
    if (!values) return failed("the unit did not answer: " + step);
    const std::optional<UnitStatus> st = session_->readStatus(step);
    if (!st) return failed("the unit did not answer: " + step);
    const std::string model = selectedModel();
    QJsonObject profile = profileOf(*values, model, unitSerial(session_->selected()), true);
    if (!flag("--with-password")) {
        QJsonObject wifi = profile["wifi"].toObject();
        wifi["password"] = QStringLiteral("**");
        profile["wifi"] = wifi;
    }
    if (flag("--json")) {
        profile["status"] = statusJson(*st);
        out_ << QJsonDocument(profile).toJson(QJsonDocument::Indented).toStdString();
    } else {
        for (const std::string& line : profileLines(profile))
            out_ << line << "\n";
        out_ << "status: " << statusLine(*st) << "\n";
    }
    out_.flush();
    return kExitDone;
}

int CommandRunner::exportProfile() {
    if (a_.positional.size() != 1) return usage("export needs one FILE or -");
    std::string step;
    const std::optional<UnitValues> values = session_->readParameters(step);
    if (!values) return failed("the unit did not answer: " + step);
    const bool withPassword = flag("--with-password");
    const std::string model = selectedModel();
    const QByteArray json =
        QJsonDocument(profileOf(*values, model, unitSerial(session_->selected()), withPassword)).toJson();
    const QString target = a_.positional.front();
    if (target == "-") {
        out_ << json.toStdString();
        return kExitDone;
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return failed("cannot write " + utf8(target) + ": " + utf8(file.errorString()));
    // before the first byte, so the password is never readable by others
    if (withPassword && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return failed("cannot restrict " + utf8(target) + " to its owner");
    if (file.write(json) != json.size() || !file.commit())
        return failed("cannot write " + utf8(target) + ": " + utf8(file.errorString()));
    err_ << "exported to " << utf8(target) << "\n";
    return kExitDone;
}

int CommandRunner::status() {
    for (;;) {
        std::string step;
        const std::optional<UnitStatus> st = session_->readStatus(step);
        if (session_->unitGone()) return noUnit("the unit went away");
        if (!st) return interrupted() ? kExitDone : failed("the unit did not answer: " + step);
        if (flag("--json"))
            out_ << QJsonDocument(statusJson(*st)).toJson(QJsonDocument::Compact).toStdString() << "\n";
        else
            out_ << statusLine(*st) << "\n";
        out_.flush();
        if (!flag("--watch")) return kExitDone;
        session_->waitUntil([this] { return session_->unitGone(); }, std::chrono::milliseconds(1000));
        if (interrupted()) return kExitDone;
        if (session_->unitGone()) return noUnit("the unit went away");
    }
}

int CommandRunner::search() {
    QStringList names;
    const ReportListener listener(session_->link(), CmdSearch, [&](const InputReport& report) {
        names << QString::fromStdU16String(std::u16string(cutAtZero(networkNameOfLine(report.text()))));
    });
    QElapsedTimer clock;
    clock.start();
    session_->link().sendSequence(searchRequestCommands());
    const auto elapsed = [&] { return std::chrono::milliseconds(clock.elapsed()); };
    // as the window's Timer1: ask again every 2 s until the first network
    while (names.isEmpty() && elapsed() < kSearchLimit && !interrupted() && !session_->unitGone()) {
        const auto next = std::min(kSearchRepeat, kSearchLimit - elapsed());
        if (!session_->waitUntil([&] { return !names.isEmpty() || session_->unitGone(); }, next) &&
            names.isEmpty() && elapsed() < kSearchLimit)
            session_->link().sendSequence(searchRequestCommands());
    }
    // as Timer2: listen a little longer after the first
    if (!names.isEmpty())
        session_->waitUntil(
            [] { return false; },
            std::min(kSearchAfterFirst, std::max(kSearchLimit - elapsed(), std::chrono::milliseconds(0))));
    if (session_->unitGone()) return noUnit("the unit went away");
    session_->link().sendSequence(searchEndCommands());
    if (flag("--json")) {
        out_
            << QJsonDocument(QJsonArray::fromStringList(names)).toJson(QJsonDocument::Indented).toStdString();
    } else {
        for (const QString& name : names)
            out_ << utf8(name) << "\n";
    }
    if (names.isEmpty()) return failed("no network found");
    return kExitDone;
}

} // namespace breezekit::ctl
