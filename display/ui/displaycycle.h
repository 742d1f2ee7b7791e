#pragma once
#include "display/layout.h"

#include <QFont>
#include <QObject>
#include <functional>
#include <memory>
#include <string>

class MainWindow;
class PhrasePreview;
class ColourKeyMask;

// The display cycle of the main window: the display timer's tick lays out
// the next phrase and shows it, the hide timer takes it away and restarts
// the count-down, the tray menu pauses it.
class DisplayCycle : public QObject {
    Q_OBJECT
public:
    explicit DisplayCycle(MainWindow& window);
    ~DisplayCycle() override;

    PhrasePreview* preview_ = nullptr; // in the Settings page's test group
    ColourKeyMask* colourKey_ = nullptr;     // of the main window

    void onDisplayTimer();
    void onHideTimer();
    void onPauseAction();

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
    MainWindow& window_;
    MeasurerFactory measurerFactory_;
    ov::ScreenArea screen_;
    ov::PlacementRandom random_;
    bool seeded_ = false;
    bool inTick_ = false;
};
