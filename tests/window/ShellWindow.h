#pragma once

#include "UserInput.h"
#include "app/MessageBoxes.h"
#include "app/SettingsStore.h"
#include "app/TForm1.h"
#include "markers/FlockInstanceMarkers.h"
#include "sim/SimulatedPlatform.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace breezekit::testing {

// The main window right after start-up, before its first device list, over a settings store that the
// test prepares: empty, holding a value, or in a location that cannot be written.
class ShellWindow {
  public:
    enum class Store { Usable, Unusable };

    explicit ShellWindow(std::optional<QByteArray> storedValue = std::nullopt, Store store = Store::Usable)
        : settings_(settingsPath(store)),
          markers_(dir_.filePath(QStringLiteral("user.lock")).toStdString(),
                   dir_.filePath(QStringLiteral("service.lock")).toStdString()) {
        if (store == Store::Unusable) {
            QFile blocker(dir_.filePath(QStringLiteral("blocked")));
            (void)blocker.open(QIODevice::WriteOnly); // a file where the store's folder belongs
        } else if (storedValue) {
            QFile file(settings_.fileName());
            if (file.open(QIODevice::WriteOnly))
                file.write("[General]\nNumber%20of%20language=" + *storedValue + "\n");
        }
        messages::setHookForTests([this](const messages::Shown& box) { shown.append(box); });
        form_ = std::make_unique<TForm1>(TForm1::Environment{platform_, settings_, markers_});
        outcome = form_->FormCreate();
    }
    ~ShellWindow() {
        form_.reset();
        messages::setHookForTests(nullptr);
    }
    ShellWindow(const ShellWindow&) = delete;
    ShellWindow& operator=(const ShellWindow&) = delete;

    TForm1& form() { return *form_; }
    const SettingsStore& settings() const { return settings_; }
    QString text(int row) const { return form_->text(row); }

    TForm1::StartOutcome outcome = TForm1::StartOutcome::Exit;
    QList<messages::Shown> shown;

  private:
    QString settingsPath(Store store) const {
        return store == Store::Unusable ? dir_.filePath(QStringLiteral("blocked/User Program.conf"))
                                        : dir_.filePath(QStringLiteral("User Program.conf"));
    }

    QTemporaryDir dir_;
    sim::SimulatedPlatform platform_;
    SettingsStore settings_;
    FlockInstanceMarkers markers_;
    std::unique_ptr<TForm1> form_;
};

} // namespace breezekit::testing
