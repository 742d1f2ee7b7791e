#pragma once
#include <QObject>

class TMainFrm;

// The display cycle of the main window: the display timer's tick, the hide
// timer, pausing.
class TDisplayCycle : public QObject {
    Q_OBJECT
public:
    explicit TDisplayCycle(TMainFrm& frm);

    void Tmr_DisplayTimer();
    void Timer1Timer();
    void mnu_PauseClick();

private:
    TMainFrm& frm_;
};
