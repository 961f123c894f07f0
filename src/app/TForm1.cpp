#include "app/TForm1.h"

#include "app/FormBuilder.h"
#include "text/TextTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace breezekit {

TForm1::TForm1(Environment env, QWidget* parent) : QWidget(parent), env_(env) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ZEPHA BreezeKit"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(form::captionFont(form::Caption::Plain, false));
    setFixedSize(728, 488);

    buildHeader();
    buildWifiPage();
    buildFanPage();
    buildFilterPage();
    buildInformationPage();
    buildTimers();

    // Handlers are connected only now: setting the start values above emits signals that must run nothing.
    connectHandlers();
}

TForm1::~TForm1() = default;

QString TForm1::text(int row) const { return QString::fromUtf8(textTableEntry(row, LanguageIndex)); }

void TForm1::connectHandlers() {}

TForm1::StartOutcome TForm1::FormCreate() {
    for (TimeEdit* field : {JvTimeEdit_Timer_after_reacting_any_sensor, JvTimeEdit_Timer_night_mode,
                            JvTimeEdit_Timer_party_mode})
        reinterpret_cast<QLineEdit*>(field)->setText(QStringLiteral("00:00"));
    ComboBox_Language->setCurrentIndex(LanguageIndex);
    return StartOutcome::Run;
}

} // namespace breezekit
