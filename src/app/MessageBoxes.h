#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace breezekit::messages {

// The program's message box: modal, no icon, one OK button, title "ZEPHA BreezeKit".
void showMessage(QWidget* parent, const QString& text);
// An error box with a stop icon.
void showStopError(QWidget* parent, const QString& text);
// The start-up error box for a missing theme, with a Close button.
void showThemeError(const QString& text);

// The box the functions above show, built and not shown yet; its buttons carry no icons.
std::unique_ptr<QMessageBox> makeBox(QWidget* parent, QMessageBox::Icon icon,
                                     QMessageBox::StandardButton button, const QString& text);

// Tests replace the modal boxes by a recorder, so nothing blocks.
struct Shown {
    enum class Kind { Message, StopError, ThemeError };
    Kind kind;
    QString text;
};
void setHookForTests(std::function<void(const Shown&)> hook);

} // namespace breezekit::messages
