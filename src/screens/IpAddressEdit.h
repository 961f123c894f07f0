#pragma once

#include "protocol/core/Encodings.h"

#include <QFrame>

class QLineEdit;

namespace breezekit {

// An IPv4 address field: four number parts 0..255 shown as a dotted address. A dot or a third digit
// moves on to the next part, the arrow keys and Backspace cross the parts' edges, and a number above
// 255 is refused as it is typed.
class IpAddressEdit : public QFrame {
    Q_OBJECT
  public:
    using Address = Ipv4;
    static constexpr int kParts = 4;

    explicit IpAddressEdit(QWidget* parent = nullptr);

    // Follows every edit: an empty part counts as 0.
    Address address() const;
    void setAddress(const Address& address);
    QString text() const;                // dotted, "192.168.0.1"
    void setText(const QString& dotted); // a text that is not an address leaves the field as it was

    QLineEdit* part(int index) const { return parts_[static_cast<size_t>(index)]; }

  signals:
    // A key released in any part, except Tab and Backtab.
    void keyReleased(int key);
    void addressChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int indexOf(QObject* part) const;
    void moveToPart(int index);
    void onPartEdited(int index);

    std::array<QLineEdit*, kParts> parts_{};
    int enteredByThirdDigit_ = -1; // a dot typed right after that move stays in the part
};

} // namespace breezekit
