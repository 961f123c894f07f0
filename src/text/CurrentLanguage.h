#pragma once

#include "text/core/TextTable.h"

#include <QObject>
#include <QString>

namespace breezekit {

// The language the window shows its texts in; the language switch changes it, and every subsystem that
// shows a text of its own renews it on applied().
class CurrentLanguage : public QObject {
    Q_OBJECT
  public:
    quint8 index = English;

    // The text table's row in this language.
    QString text(int row) const { return QString::fromUtf8(textTableEntry(row, index)); }

  signals:
    // Every caption of the window is in this language now.
    void applied() const;
};

} // namespace breezekit
