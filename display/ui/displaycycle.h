#pragma once
#include "display/layout.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

class QWidget;
class PhraseWindow;
namespace ov { class IntervalTimer; struct SharedState; struct CategorySettings; }

// The phrase flashing: the display timer's tick lays out the next phrase and
// shows it, the hide timer takes it away and restarts the count-down. What it
// shows comes from the shared state, how from the settings the Settings page
// shows.
class DisplayCycle : public QObject {
    Q_OBJECT
public:
    // window: the main window; while it is up (shown and not minimised) no
    // phrase flashes.
    DisplayCycle(QWidget& window, ov::SharedState& state, const ov::CategorySettings& shown);
    ~DisplayCycle() override;

    void SetPhraseWindow(PhraseWindow* window);
    // An empty pool met at a tick is rebuilt through this; it may throw, and
    // the tick's error boundary reports it.
    void SetPoolRebuild(std::function<void()> rebuild) { rebuildPool_ = std::move(rebuild); }
    // The display timer on or off.
    void SetRunning(bool on);
    // The display timer takes the interval of the shown settings.
    void ApplyInterval();
    // The main window comes up: the phrase window goes out of sight and the
    // display timer stops.
    void StopForMainWindow();

    // Test seams: how the phrase font is measured, and the generator of
    // random places (seeded from the C library's generator on first use,
    // which start-up seeds once).
    using MeasurerFactory = ov::MeasurerFactory;
    void SetMeasurerFactory(MeasurerFactory factory) { measurerFactory_ = std::move(factory); }
    void SeedRandom(unsigned seed);

private:
    void onDisplayTimer();
    void onHideTimer();
    // Shows the phrase laid out in the given font in the phrase window,
    // whose size is already set, and arms the hide timer with the display
    // time.
    void ShowPhrase(const ov::FittedPhrase& phrase, int X, int Y);
    std::unique_ptr<ov::TextMeasurer> Measurer(const QFont& font) const;
    // The monitor holding the pointer, where the next phrase goes.
    ov::ScreenArea PointerScreen() const;

    QWidget& window_;
    ov::SharedState& state_;
    const ov::CategorySettings& shown_;
    ov::IntervalTimer* displayTimer_ = nullptr;
    ov::IntervalTimer* hideTimer_ = nullptr;
    QPointer<PhraseWindow> phraseWindow_;
    std::function<void()> rebuildPool_;
    MeasurerFactory measurerFactory_;
    ov::ScreenArea screen_;
    ov::PlacementRandom random_;
    bool seeded_ = false;
    bool inTick_ = false;
};
