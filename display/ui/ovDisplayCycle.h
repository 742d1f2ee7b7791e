#pragma once
#include "display/ovLayout.h"

#include <QFont>
#include <QObject>
#include <functional>
#include <memory>
#include <string>

class TMainFrm;
class TTestPreview;
class TColourKey;

// The display cycle of the main window: the display timer's tick lays out
// the next phrase and shows it, the hide timer takes it away and restarts
// the count-down, the tray menu pauses it.
class TDisplayCycle : public QObject {
    Q_OBJECT
public:
    explicit TDisplayCycle(TMainFrm& frm);
    ~TDisplayCycle() override;

    TTestPreview* TestPreview = nullptr; // in the Settings page's test group
    TColourKey* ColourKey = nullptr;     // of the main window

    void Tmr_DisplayTimer();
    void Timer1Timer();
    void mnu_PauseClick();

    // Shows the laid-out phrase (lines ended by CR LF) in the message
    // window, whose size is already set, and arms the hide timer with the
    // display time.
    void ShowPhrase(const std::string& text, int X, int Y);

    // Test seams: how the phrase font is measured, and the generator of
    // random places (seeded from the C library's generator on first use,
    // which start-up seeds once).
    using MeasurerFactory = std::function<std::unique_ptr<ov::TextMeasurer>(const QFont&)>;
    void SetMeasurerFactory(MeasurerFactory factory) { measurerFactory_ = std::move(factory); }
    void SeedRandom(unsigned seed);

private:
    std::unique_ptr<ov::TextMeasurer> Measurer(const QFont& font) const;
    // The monitor holding the pointer, where the next phrase goes.
    ov::ScreenArea PointerScreen() const;
    TMainFrm& frm_;
    MeasurerFactory measurerFactory_;
    ov::ScreenArea screen_;
    ov::PositionRandom random_;
    bool seeded_ = false;
    bool inTick_ = false;
};
