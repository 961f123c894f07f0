#include "app/AccessibleNames.h"

#include "app/PasswordEdit.h"
#include "app/TForm1.h"
#include "screens/IpAddressEdit.h"
#include "screens/TimeEdit.h"
#include "text/core/TextRows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace breezekit {

namespace {

// The text stays on screen for the user; the interface says "password" and does not read it out.
class PasswordFieldInterface : public QAccessibleWidget {
  public:
    explicit PasswordFieldInterface(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !edit()->isReadOnly();
        s.passwordEdit = true;
        s.focusable = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString(edit()->text().size(), QChar(0x2022));
        return QAccessibleWidget::text(t);
    }

  private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
};

// Qt's own factory answers for QLineEdit; the walk up the class chain asks for this class first.
QAccessibleInterface* passwordFieldFactory(const QString& className, QObject* object) {
    if (className != QLatin1String(PasswordEdit::staticMetaObject.className()) || !object) return nullptr;
    return new PasswordFieldInterface(static_cast<QLineEdit*>(object));
}

void nameAddressParts(IpAddressEdit* field, const QString& caption, const QString& partPattern) {
    field->setAccessibleName(caption);
    for (int i = 0; i < IpAddressEdit::kParts; ++i)
        field->part(i)->setAccessibleName(partPattern.arg(caption).arg(i + 1).arg(IpAddressEdit::kParts));
}

} // namespace

void announcePasswordFields() {
    static const bool installed = [] {
        QAccessible::installFactory(passwordFieldFactory);
        return true;
    }();
    (void)installed;
}

void nameInputsAfterCaptions(TForm1& f) {
    const std::pair<QWidget*, QString> named[] = {
        {f.ComboBox_Choose_device, f.Label_Choose_device->text()},
        {f.ComboBox_Language, f.Label_Language->text()},
        {f.ComboBox_Wi_Fi_name, f.Label_Wi_Fi_name->text()},
        {f.ComboBox_Security_WI_FI, f.Label_type_security->text()},
        {f.ComboBox_Wi_Fi_channel, f.Label_Wi_Fi_channel->text()},
        {f.ComboBox_Number_Slave, f.Label_Number_Slave->text()},
        {f.ComboBox_IP_Slave, f.Label_IP_Slave->text()},
        {f.JvTimeEdit_Timer_after_reacting_any_sensor, f.Label_Turn_off_timer->text()},
        {f.JvTimeEdit_Timer_night_mode, f.Label_Timer_night_mode->text()},
        {f.JvTimeEdit_Timer_party_mode, f.Label_Timer_party_mode->text()},
        {f.TrackBar_Humidity_sensor, f.CheckBox_Humidity_sensor->text()},
        {f.TrackBar_External_sensor2, f.CheckBox_External_sensor2->text()},
    };
    for (const auto& [input, caption] : named)
        input->setAccessibleName(caption);
    // The password field's name follows the connection mode: ConnectionRules gives it with its caption.
    // On Linux Qt names a combo box by its current text and leaves its caption to the "labelled by" relation.
    const std::pair<QLabel*, QWidget*> buddies[] = {
        {f.Label_Choose_device, f.ComboBox_Choose_device},
        {f.Label_Language, f.ComboBox_Language},
        {f.Label_Wi_Fi_name, f.ComboBox_Wi_Fi_name},
        {f.Label_type_security, f.ComboBox_Security_WI_FI},
        {f.Label_Password, f.Edit_Password},
        {f.Label_Wi_Fi_channel, f.ComboBox_Wi_Fi_channel},
        {f.Label_Number_Slave, f.ComboBox_Number_Slave},
        {f.Label_IP_Slave, f.ComboBox_IP_Slave},
    };
    for (const auto& [label, input] : buddies)
        label->setBuddy(input);
    // An editable combo's line edit is what takes the focus.
    for (QComboBox* combo : {f.ComboBox_Choose_device, f.ComboBox_Wi_Fi_name})
        if (combo->lineEdit()) combo->lineEdit()->setAccessibleName(combo->accessibleName());

    const QString partPattern = f.text(kRowAddressPart);
    nameAddressParts(f.JvIPAddress_IP_Slave, f.Label_IP_Slave->text(), partPattern);
    nameAddressParts(f.JvIPAddress_IP_Master, f.Label_IP_Master->text(), partPattern);
    nameAddressParts(f.JvGateway, f.Label_Gateway->text(), partPattern);
}

} // namespace breezekit
