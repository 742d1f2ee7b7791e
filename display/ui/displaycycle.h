#pragma once
#include "display/layout.h"

#include <QFont>
#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QWidget;
class PhraseWindow;
namespace ov { class IntervalTimer; class PhrasePool; struct CategorySettings; }

// The phrase flashing: the display timer's tick lays out the next phrase and
// shows it, the hide timer takes it away and restarts the count-down. It owns
// the pause and its turn in the phrases; the phrases and the settings it
// shows them with are read from their owners.
class DisplayCycle : public QObject {
    Q_OBJECT
public:
    // window: the main window; while it is up (shown and not minimised) no
    // phrase flashes.
    DisplayCycle(QWidget& window, const ov::CategorySettings& shown);
    ~DisplayCycle() override;

    void SetPhraseWindow(PhraseWindow* window);
    // The phrases shown in turn. An empty pool met at a tick is rebuilt
    // through rebuild; it may throw, and the tick's error boundary reports it.
    void SetPhrases(const ov::PhrasePool& pool, std::function<void()> rebuild);
    // The phrases were rebuilt: the next one shown is the first.
    void RestartTurns() { turn_ = -1; }
    // Index of the phrase shown last; -1 before the first.
    int32_t Turn() const { return turn_; }

    // The pause: while paused no phrase flashes and the display timer is off.
    void SetPaused(bool paused);
    // The display timer runs again, unless paused.
    void Resume() { SetPaused(paused_); }
    // The display timer stops until Resume or SetPaused; the pause stays.
    void Hold();
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

signals:
    void pausedChanged(bool paused);

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
    const ov::CategorySettings& shown_;
    ov::IntervalTimer* displayTimer_ = nullptr;
    ov::IntervalTimer* hideTimer_ = nullptr;
    QPointer<PhraseWindow> phraseWindow_;
    const ov::PhrasePool* pool_ = nullptr;
    int32_t turn_ = -1;
    bool paused_ = false;
    std::function<void()> rebuildPool_;
    MeasurerFactory measurerFactory_;
    ov::ScreenArea screen_;
    ov::PlacementRandom random_;
    bool seeded_ = false;
    bool inTick_ = false;
};
