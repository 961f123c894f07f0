#include "screens/IpAddressEdit.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

namespace breezekit {

namespace {

// Digits only, at most 255. QIntValidator lets 256..999 stand as intermediate input, so it will not do.
class PartValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        if (input.isEmpty()) return Intermediate;
        if (input.size() > kMaxAddressDigits) return Invalid;
        for (QChar c : input)
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) return Invalid;
        return input.toInt() <= kMaxAddressNumber ? Acceptable : Invalid;
    }
};

// Greyed when disabled: button-face background and grey text, as the other disabled inputs.
QPalette greyedWhenDisabled(QPalette palette) {
    palette.setColor(QPalette::Disabled, QPalette::Base, palette.color(QPalette::Active, QPalette::Button));
    palette.setColor(QPalette::Disabled, QPalette::Window, palette.color(QPalette::Active, QPalette::Button));
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Dark));
    palette.setColor(QPalette::Disabled, QPalette::WindowText,
                     palette.color(QPalette::Active, QPalette::Dark));
    return palette;
}
} // namespace

IpAddressEdit::IpAddressEdit(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setPalette(greyedWhenDisabled(palette()));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    auto* validator = new PartValidator(this);
    for (int i = 0; i < kParts; ++i) {
        if (i > 0) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setAlignment(Qt::AlignCenter);
            layout->addWidget(dot);
        }
        auto* part = new QLineEdit(QStringLiteral("0"), this);
        part->setObjectName(QStringLiteral("part%1").arg(i));
        part->setFrame(false);
        part->setAlignment(Qt::AlignCenter);
        part->setMaxLength(kMaxAddressDigits);
        part->setValidator(validator);
        part->installEventFilter(this);
        connect(part, &QLineEdit::textEdited, this, [this, i] { onPartEdited(i); });
        connect(part, &QLineEdit::textChanged, this, &IpAddressEdit::addressChanged);
        layout->addWidget(part, 1);
        parts_[static_cast<size_t>(i)] = part;
    }
    setFocusProxy(parts_[0]);
}

IpAddressEdit::Address IpAddressEdit::address() const {
    Address address{};
    for (size_t i = 0; i < parts_.size(); ++i)
        address[i] = static_cast<quint8>(parts_[i]->text().toInt());
    return address;
}

void IpAddressEdit::setAddress(const Address& address) {
    for (size_t i = 0; i < parts_.size(); ++i)
        parts_[i]->setText(QString::number(address[i]));
}

QString IpAddressEdit::text() const {
    const Address a = address();
    return QStringLiteral("%1.%2.%3.%4").arg(a[0]).arg(a[1]).arg(a[2]).arg(a[3]);
}

void IpAddressEdit::setText(const QString& dotted) {
    if (const std::optional<Address> address = parseDottedIpv4(dotted.toStdString())) setAddress(*address);
}

int IpAddressEdit::indexOf(QObject* part) const {
    for (int i = 0; i < kParts; ++i)
        if (parts_[static_cast<size_t>(i)] == part) return i;
    return -1;
}

void IpAddressEdit::moveToPart(int index) {
    if (index < 0 || index >= kParts) return;
    QLineEdit* next = parts_[static_cast<size_t>(index)];
    next->setFocus(Qt::OtherFocusReason);
    next->selectAll();
}

void IpAddressEdit::onPartEdited(int index) {
    const QLineEdit* edited = parts_[static_cast<size_t>(index)];
    enteredByThirdDigit_ = -1;
    if (edited->text().size() == kMaxAddressDigits && edited->cursorPosition() == kMaxAddressDigits &&
        index + 1 < kParts) {
        moveToPart(index + 1);
        enteredByThirdDigit_ = index + 1;
    }
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
    const int index = indexOf(watched);
    if (index < 0) return QFrame::eventFilter(watched, event);
    QLineEdit* part = parts_[static_cast<size_t>(index)];
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Period) {
            if (!part->text().isEmpty() && enteredByThirdDigit_ != index) moveToPart(index + 1);
            enteredByThirdDigit_ = -1;
            return true;
        }
        const bool atStart = part->cursorPosition() == 0 && !part->hasSelectedText();
        const bool atEnd = part->cursorPosition() == part->text().size() && !part->hasSelectedText();
        if ((key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Left) && atStart && index > 0) {
            QLineEdit* previous = parts_[static_cast<size_t>(index - 1)];
            previous->setFocus(Qt::OtherFocusReason);
            previous->end(false);
            return true;
        }
        if (key->key() == Qt::Key_Right && atEnd && index + 1 < kParts) {
            QLineEdit* next = parts_[static_cast<size_t>(index + 1)];
            next->setFocus(Qt::OtherFocusReason);
            next->home(false);
            return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Tab moves between the parts and reaches no handler, also when it brought the focus in.
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab) emit keyReleased(key);
        break;
    }
    case QEvent::FocusOut:
        if (enteredByThirdDigit_ == index) enteredByThirdDigit_ = -1;
        // A part left empty or with leading zeros shows its number again.
        if (part->text() != QString::number(part->text().toInt()))
            part->setText(QString::number(part->text().toInt()));
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace breezekit
