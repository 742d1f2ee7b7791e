#pragma once
#include <QElapsedTimer>
#include <QWidget>
#include <functional>

class QLabel;
namespace ov { class IntervalTimer; }

// The splash window: fully opaque for three seconds, then a fade in 256
// steps; only after the fade may it close.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    SplashWindow();

    // Waits for the splash, serving timers and painting meanwhile; returns
    // early, fade or not, once `stop` answers true.
    void WaitUntilDone(std::function<bool()> stop = {});
    // The fade has ended, or the wait was cut short; the splash may close.
    bool IsDone() const { return done_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowNameAndLogo();
    void StartFadeTimer();
    void onFadeTimer();
    void QueryClose(bool& canClose);
    void setVisible(bool visible) override;

    QLabel* logo_ = nullptr;
    QLabel* loadingLabel_ = nullptr;
    ov::IntervalTimer* fadeTimer_ = nullptr;
    bool done_ = false;
    std::function<bool()> stop_;
    QElapsedTimer shown_; // since the window is really up
};
