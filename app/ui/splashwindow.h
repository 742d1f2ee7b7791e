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

    QLabel* logo_ = nullptr;
    QLabel* loadingLabel_ = nullptr;
    ov::IntervalTimer* fadeTimer_ = nullptr;
    bool done_ = false;

    void ShowNameAndLogo();
    void StartFadeTimer();
    void onFadeTimer();
    void QueryClose(bool& canClose);

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
