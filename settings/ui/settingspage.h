#pragma once
#include "settings/categorysettings.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPixmap;
class QPushButton;
class QRadioButton;
class QSlider;
class FontSizeDialog;
class FontColorDialog;
class FontNameDialog;
namespace ov { class IniDoc; class NumberSpinBox; }

// Which category the Messages page shows, and its place in the list: the
// settings are saved under it.
struct ShownCategory {
    std::string name;
    int index = -1;
};

// The Settings tab: the settings of the selected category and the
// operations that load and save them. It owns what it shows (Shown(), which
// the display cycle and the test preview read) and whether that is saved.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    // Puts the test preview into the page's test group; it reads the shown
    // settings whenever it draws.
    using PreviewFactory = std::function<void(QGroupBox& testGroup, const ov::CategorySettings& shown)>;

    explicit SettingsPage(PreviewFactory makePreview, QWidget* parent = nullptr);

    void SetFontDialogs(FontSizeDialog* size, FontColorDialog* colour, FontNameDialog* name);
    void SetCategorySource(std::function<ShownCategory()> source);

    // The settings as the controls show them, text typed into a number box
    // included; the font is what the font dialogs set.
    const ov::CategorySettings& Shown() const { return shown_; }
    // Something shown changed since the last load or save.
    bool HasUnsavedChanges() const { return unsaved_; }
    // Sets the pause box from the category's section of the file.
    void RestorePause(const ov::IniDoc& doc, const std::string& category);
    void LoadSettings(const std::string& category);
    // Saves what the page shows under the category, unless nothing changed
    // since that category's settings were loaded or saved: then nothing is
    // written and the answer is true. False when the file was not written;
    // the reason was shown.
    bool SaveSettings(const std::string& category);
    void SetSideImage(const QPixmap& picture);

signals:
    // The display timer takes the interval now.
    void intervalChanged();
    // Restore Defaults pauses the phrases until the user resumes them.
    void pauseRequested();
    // What the page shows changed (by the user, a load or Restore Defaults).
    void settingsChanged();

private:
    void BuildPage();
    void Wire();
    // The radio group's item index, -1 when none is chosen.
    int LocationIndex() const;
    void SetLocationIndex(int index); // kept within -1..1
    void UpdateFontSample();
    // Sets every control and the font to the values.
    void ShowValues(const ov::CategorySettings& values);
    // Takes the controls' values into shown_.
    void Publish();
    void MarkChanged();
    ShownCategory Category() const;
    // Writes the settings and the auto-start entry, asked for or not.
    bool WriteSettings(const std::string& category);
    void RememberStored(const std::string& category);

    void onSettingChanged();
    void onIntervalChanged();
    void onContrastChanged();
    void onSaveSettings();
    void onRestoreDefaults();
    // The font dialogs (settingspage_fonts.cpp).
    void onFontSize();
    void onFontColor();
    void onFontName();

    ov::CategorySettings shown_;
    bool unsaved_ = false;
    std::function<ShownCategory()> categorySource_;
    // What the file holds as far as the page knows: loaded or last saved.
    struct Stored {
        std::string category;
        ov::CategorySettings values;
        bool autoStart = false;
    };
    std::optional<Stored> stored_;
    QPointer<FontSizeDialog> fontSizeDialog_;
    QPointer<FontColorDialog> fontColorDialog_;
    QPointer<FontNameDialog> fontNameDialog_;

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

    QGroupBox* testGroup_ = nullptr;

    QPushButton* restoreDefaultsButton_ = nullptr;
    QPushButton* saveSettingsButton_ = nullptr;
};
