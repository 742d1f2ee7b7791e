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
class TMainFrm;
namespace ov { class TSpinEdit; struct CategorySettings; }

// The Settings page: the display settings of the selected category and the
// operations that load and save them.
class TSettingsPage : public QObject {
    Q_OBJECT
public:
    explicit TSettingsPage(TMainFrm& frm);

    QLabel* logo2_1 = nullptr;

    QGroupBox* Grp_Time = nullptr;
    QLabel* Label1 = nullptr; // "Show message for"
    ov::TSpinEdit* SpinEdit1 = nullptr;
    QLabel* Label2 = nullptr; // "milliseconds"
    QLabel* Label3 = nullptr; // "Show message every"
    ov::TSpinEdit* SpinEdit2 = nullptr;
    QLabel* Label5 = nullptr; // "seconds"

    QGroupBox* Grp_Start = nullptr;
    QCheckBox* AutoStart = nullptr;
    QCheckBox* Pause = nullptr;

    QGroupBox* Position = nullptr; // radio group "Location"
    QButtonGroup* PositionItems = nullptr;
    QRadioButton* PositionRandom = nullptr;
    QRadioButton* PositionCentered = nullptr;

    QGroupBox* Grp_Contrast = nullptr;
    QSlider* Trackbar1 = nullptr;
    QLabel* Label6 = nullptr; // "min"
    QLabel* Lbl_Pcent = nullptr;
    QLabel* Label7 = nullptr; // "Max"

    QGroupBox* Grp_Font = nullptr;
    QPushButton* BtnSize = nullptr;
    QPushButton* Btncolor = nullptr;
    QPushButton* BtnName = nullptr;
    QLabel* Pnl_Font = nullptr;

    QGroupBox* Grp_Test = nullptr; // the test preview lives here

    QPushButton* Button1 = nullptr; // "Restore Defaults"
    QPushButton* btn_SaveSettings = nullptr;

    // The radio group's item index, -1 when none is chosen.
    int PositionIndex() const;
    void SetPositionIndex(int index); // kept within -1..1

    void RestoreStartupGroup();
    void LoadSettings(const std::string& category);
    bool SaveSettings(const std::string& category);
    void UpdateFontSample();

    void SettingChanged();
    void SpinEdit2Change();
    void Trackbar1Change();
    void btn_SaveSettingsClick();
    void Button1Click();

    // The font dialogs (ovFontButtons.cpp).
    void BtnSizeClick();
    void BtncolorClick();
    void BtnNameClick();

private:
    void BuildPage();
    void Wire();
    ov::CategorySettings PageValues() const;
    TMainFrm& frm_;
};
