#include "app/MessageBoxes.h"

#include <QAbstractButton>
#include <QIcon>
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
    const std::unique_ptr<QMessageBox> box = makeBox(parent, icon, button, text);
    box->exec();
}
} // namespace

std::unique_ptr<QMessageBox> makeBox(QWidget* parent, QMessageBox::Icon icon,
                                     QMessageBox::StandardButton button, const QString& text) {
    auto box = std::make_unique<QMessageBox>(icon, QStringLiteral("ZEPHA BreezeKit"), text, button, parent);
    // Some styles put a tick or a cross on standard buttons; the boxes keep plain captions.
    for (QAbstractButton* b : box->buttons())
        b->setIcon(QIcon());
    return box;
}

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
