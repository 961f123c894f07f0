#include "screens/IpAddressEdit.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

namespace breezekit {

IpAddressEdit::IpAddressEdit(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    for (size_t i = 0; i < parts_.size(); ++i) {
        if (i > 0) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setAlignment(Qt::AlignCenter);
            layout->addWidget(dot);
        }
        auto* part = new QLineEdit(QStringLiteral("0"), this);
        part->setObjectName(QStringLiteral("part%1").arg(i));
        part->setFrame(false);
        part->setAlignment(Qt::AlignCenter);
        part->setMaxLength(3);
        part->installEventFilter(this);
        layout->addWidget(part, 1);
        parts_[i] = part;
    }
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
    const QStringList numbers = dotted.split(QLatin1Char('.'));
    if (numbers.size() != 4) return;
    Address address{};
    for (size_t i = 0; i < address.size(); ++i) {
        bool ok = false;
        const int n = numbers[static_cast<int>(i)].toInt(&ok);
        if (!ok || n < 0 || n > 255) return;
        address[i] = static_cast<quint8>(n);
    }
    setAddress(address);
}

bool IpAddressEdit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab) emit keyReleased(key);
    }
    return QFrame::eventFilter(watched, event);
}

void IpAddressEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        setBackgroundRole(isEnabled() ? QPalette::Base : QPalette::Button);
    QFrame::changeEvent(event);
}

} // namespace breezekit
