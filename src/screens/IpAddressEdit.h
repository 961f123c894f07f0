#pragma once

#include <QFrame>
#include <array>

class QLineEdit;

namespace breezekit {

// An IPv4 address field: four number parts 0..255 shown as a dotted address.
class IpAddressEdit : public QFrame {
    Q_OBJECT
  public:
    using Address = std::array<quint8, 4>;

    explicit IpAddressEdit(QWidget* parent = nullptr);

    Address address() const;
    void setAddress(const Address& address);
    QString text() const;                // dotted, "192.168.0.1"
    void setText(const QString& dotted); // a text that is not an address leaves the field as it was

    QLineEdit* part(int index) const { return parts_[static_cast<size_t>(index)]; }

  signals:
    // A key released in any part, except Tab and Backtab.
    void keyReleased(int key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    std::array<QLineEdit*, 4> parts_{};
};

} // namespace breezekit
