#pragma once

#include "text/core/TextTable.h"

#include <QString>

namespace breezekit {

// The language the window shows its texts in; the language switch changes it.
struct CurrentLanguage {
    quint8 index = English;

    // The text table's row in this language.
    QString text(int row) const { return QString::fromUtf8(textTableEntry(row, index)); }
};

} // namespace breezekit
