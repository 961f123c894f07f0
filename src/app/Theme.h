#pragma once

#include <QPalette>
#include <QString>
#include <optional>

namespace breezekit::theme {

inline constexpr const char* kSky = "Sky";

struct Theme {
    QString style; // a Qt style name
    QPalette palette;
};

// The built-in theme of that name, or none when the program carries no such theme.
std::optional<Theme> find(const QString& name);

// Makes the named theme the look of the whole application; without such a theme shows the error box
// "Style '<name>' not found" and keeps the platform's look. Call before any window is built.
[[nodiscard]] bool apply(const QString& name);

} // namespace breezekit::theme
