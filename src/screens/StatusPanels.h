#pragma once

#include <QtGlobal>

class QLabel;

namespace breezekit {

class CurrentLanguage;

// The link-state panels and the filter counter: what the status replies show, kept so that a change
// of language shows the same in the new language.
class StatusPanels {
  public:
    struct Controls {
        QLabel* Panel_Wi_Fi_State_connection;
        QLabel* Panel_Master_State_connection;
        QLabel* Label_Timer_filter;
    };

    StatusPanels(Controls controls, const CurrentLanguage& language);

    void showWifiState(bool connected);   // row 27 on green or row 28 on red
    void showMasterState(bool connected); // row 29 on green or row 30 on red
    void showFilterCount(quint32 seconds);
    // No unit: both links down, the counter at zero.
    void showNoUnit();

    quint32 lastFilterCount() const { return lastFilterCount_; }

  private:
    Controls c_;
    const CurrentLanguage& language_;
    // The last filter count received; 0 before any and after the last unit went away.
    quint32 lastFilterCount_ = 0;
};

} // namespace breezekit
