#pragma once
#include <QElapsedTimer>
#include <QWidget>
#include <functional>

class QLabel;
namespace ov { class TTimer; }

// The splash window: fully opaque for three seconds, then a fade in 256
// steps; only after the fade may it close.
class TSplashFrm : public QWidget {
    Q_OBJECT
public:
    TSplashFrm();

    QLabel* Logo = nullptr;
    QLabel* Label2 = nullptr;
    ov::TTimer* Timer1 = nullptr;
    bool SplashDone = false;

    void FormCreate();
    void FormShow();
    void Timer1Timer();
    void FormCloseQuery(bool& CanClose);

    // Waits for the splash, serving timers and painting meanwhile; returns
    // early, fade or not, once `stop` answers true.
    void WaitUntilDone(std::function<bool()> stop = {});

private:
    std::function<bool()> stop_;

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QElapsedTimer shown_; // since the window is really up
};
