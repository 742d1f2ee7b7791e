#pragma once
#include <QObject>
#include <string>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class MainWindow;
namespace ov { class NumberSpinBox; struct CategorySettings; }

// The Settings page: the display settings of the selected category and the
// operations that load and save them.
class SettingsPage : public QObject {
    Q_OBJECT
public:
    explicit SettingsPage(MainWindow& window);

    QLabel* settingsSideLogo_ = nullptr;

    QGroupBox* timeGroup_ = nullptr;
    QLabel* displayTimeLabel_ = nullptr;
    ov::NumberSpinBox* displayTimeSpin_ = nullptr;
    QLabel* displayTimeUnitLabel_ = nullptr;
    QLabel* intervalLabel_ = nullptr;
    ov::NumberSpinBox* intervalSpin_ = nullptr;
    QLabel* intervalUnitLabel_ = nullptr;

    QGroupBox* startupGroup_ = nullptr;
    QCheckBox* autoStartCheck_ = nullptr;
    QCheckBox* pauseCheck_ = nullptr;

    QGroupBox* locationGroup_ = nullptr;
    QButtonGroup* locationButtons_ = nullptr;
    QRadioButton* randomRadio_ = nullptr;
    QRadioButton* centeredRadio_ = nullptr;

    QGroupBox* contrastGroup_ = nullptr;
    QSlider* contrastSlider_ = nullptr;
    QLabel* contrastMinLabel_ = nullptr;
    QLabel* contrastPercentLabel_ = nullptr;
    QLabel* contrastMaxLabel_ = nullptr;

    QGroupBox* fontGroup_ = nullptr;
    QPushButton* fontSizeButton_ = nullptr;
    QPushButton* fontColorButton_ = nullptr;
    QPushButton* fontNameButton_ = nullptr;
    QLabel* fontSample_ = nullptr;

    QGroupBox* testGroup_ = nullptr; // the test preview lives here

    QPushButton* restoreDefaultsButton_ = nullptr;
    QPushButton* saveSettingsButton_ = nullptr;

    // The radio group's item index, -1 when none is chosen.
    int PositionIndex() const;
    void SetPositionIndex(int index); // kept within -1..1

    void RestoreStartupGroup();
    void LoadSettings(const std::string& category);
    bool SaveSettings(const std::string& category);
    void UpdateFontSample();

    void onSettingChanged();
    void onIntervalChanged();
    void onContrastChanged();
    void onSaveSettings();
    void onRestoreDefaults();

    // The font dialogs (settingspage_fonts.cpp).
    void onFontSize();
    void onFontColor();
    void onFontName();

private:
    void BuildPage();
    void Wire();
    ov::CategorySettings PageValues() const;
    MainWindow& window_;
};
