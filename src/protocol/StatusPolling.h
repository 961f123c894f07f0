#pragma once

#include <QObject>

class QTabWidget;
class QTimer;
class QWidget;

namespace breezekit {

struct DeviceSettings;
class UnitLink;
class StatusPanels;
class InputReport;

// Asks the selected unit once a second for its link states and, on the Filter page, its counter.
class StatusPolling : public QObject {
    Q_OBJECT
  public:
    struct Controls {
        QTabWidget* PageControl;
        QWidget* Filter;
        QTimer* Timer3;
    };

    StatusPolling(Controls controls, DeviceSettings& settings, UnitLink& link, StatusPanels& panels);

    void Timer3Timer();

  private:
    void onWifiState(const InputReport& report);
    void onMasterState(const InputReport& report);
    void onFilterTime(const InputReport& report);

    Controls c_;
    DeviceSettings& settings_;
    UnitLink& link_;
    StatusPanels& panels_;
};

} // namespace breezekit
