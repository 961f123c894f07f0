#include "app/MessageBoxes.h"

#include <QMessageBox>

namespace breezekit::messages {

namespace {
std::function<void(const Shown&)>& hook() {
    static std::function<void(const Shown&)> instance;
    return instance;
}

void show(QWidget* parent, QMessageBox::Icon icon, QMessageBox::StandardButton button, Shown::Kind kind,
          const QString& text) {
    if (hook()) {
        hook()({kind, text});
        return;
    }
    QMessageBox box(icon, QStringLiteral("ZEPHA BreezeKit"), text, button, parent);
    box.exec();
}
} // namespace

void showMessage(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::NoIcon, QMessageBox::Ok, Shown::Kind::Message, text);
}

void showStopError(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Critical, QMessageBox::Ok, Shown::Kind::StopError, text);
}

void showThemeError(const QString& text) {
    show(nullptr, QMessageBox::Critical, QMessageBox::Close, Shown::Kind::ThemeError, text);
}

void setHookForTests(std::function<void(const Shown&)> h) {
    hook() = std::move(h);
}

} // namespace breezekit::messages
