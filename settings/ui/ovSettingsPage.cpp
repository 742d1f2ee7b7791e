#include "settings/ui/ovSettingsPage.h"
#include "app/ui/ovMain.h"
#include "display/ovPreview.h"
#include "library/ui/ovMessagesPage.h"
#include "platform/ovTimer.h"
#include "platform/ui/ovMessageBox.h"
#include "settings/ovAutoRun.h"
#include "settings/ovCategorySettings.h"
#include "settings/ovColors.h"
#include "settings/ovIniFile.h"
#include "settings/ui/ovSpinEdit.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

namespace {

QFont RegularFont()
{
    QFont f = TMainFrm::PageFont();
    f.setBold(false); // set explicitly, or a bold group box passes its weight on
    return f;
}

QFont BoldFont()
{
    QFont f = TMainFrm::PageFont();
    f.setBold(true);
    return f;
}

QLabel* AddLabel(QWidget* parent, const char* name, const char* caption, int x, int y)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(RegularFont());
    label->adjustSize();
    label->move(x, y);
    return label;
}

QGroupBox* AddGroup(QWidget* parent, const char* name, const char* caption, const QRect& place)
{
    auto* group = new QGroupBox(QString::fromUtf8(caption), parent);
    group->setObjectName(QLatin1String(name));
    group->setFont(BoldFont());
    group->setGeometry(place);
    return group;
}

QPushButton* AddButton(QWidget* parent, const char* name, const char* caption, const QRect& place)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(RegularFont());
    button->setGeometry(place);
    return button;
}

ov::TSpinEdit* AddSpin(QWidget* parent, const char* name, int min, int max, int step, const char* hint,
                       const QRect& place)
{
    auto* spin = new ov::TSpinEdit(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setFont(RegularFont());
    spin->setRange(min, max);
    spin->setSingleStep(step);
    spin->setToolTip(QString::fromUtf8(hint));
    spin->setGeometry(place);
    return spin;
}

// The places were drawn for a narrow face; where the desktop's page font is
// wider, a caption is condensed until it fits rather than cut off.
void FitCaption(QWidget* w, const QString& text, int width)
{
    for (int stretch : {QFont::SemiCondensed, QFont::Condensed, QFont::ExtraCondensed}) {
        if (QFontMetrics(w->font()).horizontalAdvance(text) <= width) return;
        QFont f = w->font();
        f.setStretch(stretch);
        w->setFont(f);
    }
}

void Warn(const std::string& text, QWidget* parent) { ov::MessageBox::Show(ov::MsgKind::Warning, text, parent); }

} // namespace

TSettingsPage::TSettingsPage(TMainFrm& frm) : QObject(&frm), frm_(frm)
{
    BuildPage();
    Wire();
}

void TSettingsPage::BuildPage()
{
    QWidget* page = frm_.Tab_Settings;

    logo2_1 = new QLabel(page);
    logo2_1->setObjectName(QStringLiteral("logo2_1"));
    logo2_1->setGeometry(4, 12, 64, 246);
    logo2_1->setAccessibleName(QStringLiteral("Side logo"));

    Grp_Time = AddGroup(page, "Grp_Time", "Time and Delays", QRect(81, 8, 245, 85));
    Label1 = AddLabel(Grp_Time, "Label1", "Show message for", 9, 22);
    SpinEdit1 = AddSpin(Grp_Time, "SpinEdit1", ov::DisplayTimeMin, ov::DisplayTimeMax, 10,
                        "Length of time a phrase is shown", QRect(114, 19, 57, 22));
    SpinEdit1->setValue(450);
    Label1->setBuddy(SpinEdit1);
    Label2 = AddLabel(Grp_Time, "Label2", "milliseconds", 182, 24);
    Label3 = AddLabel(Grp_Time, "Label3", "Show message every", 9, 54);
    SpinEdit2 = AddSpin(Grp_Time, "SpinEdit2", ov::DisplayFreqMin, ov::DisplayFreqMax, 1,
                        "Time between showing phrases", QRect(114, 51, 57, 22));
    SpinEdit2->setValue(1);
    Label3->setBuddy(SpinEdit2);
    Label5 = AddLabel(Grp_Time, "Label5", "seconds", 182, 56);

    Grp_Start = AddGroup(page, "Grp_Start", "On Start-up", QRect(333, 8, 209, 85));
    AutoStart = new QCheckBox(QStringLiteral("Start Orvella when I log in"), Grp_Start);
    AutoStart->setObjectName(QStringLiteral("AutoStart"));
    AutoStart->setFont(RegularFont());
    AutoStart->setGeometry(12, 22, 193, 17);
    Pause = new QCheckBox(QStringLiteral("Pause messages"), Grp_Start);
    Pause->setObjectName(QStringLiteral("Pause"));
    Pause->setFont(RegularFont());
    Pause->setGeometry(12, 54, 123, 17);

    // The radio group: its caption and its items are bold.
    Position = AddGroup(page, "Position", "Location", QRect(81, 100, 245, 107));
    PositionItems = new QButtonGroup(Position);
    PositionRandom = new QRadioButton(QStringLiteral("Random - Full Screen"), Position);
    PositionRandom->setObjectName(QStringLiteral("PositionRandom"));
    PositionRandom->setGeometry(10, 30, 228, 20);
    PositionCentered = new QRadioButton(QStringLiteral("Centered - Full Screen"), Position);
    PositionCentered->setObjectName(QStringLiteral("PositionCentered"));
    PositionCentered->setGeometry(10, 64, 228, 20);
    PositionItems->addButton(PositionRandom, ov::PositionRandom);
    PositionItems->addButton(PositionCentered, ov::PositionCentered);
    PositionRandom->setChecked(true);

    Grp_Contrast = AddGroup(page, "Grp_Contrast", "Contrast", QRect(333, 100, 209, 107));
    Trackbar1 = new QSlider(Qt::Horizontal, Grp_Contrast);
    Trackbar1->setObjectName(QStringLiteral("Trackbar1"));
    Trackbar1->setRange(ov::OpacityMin, ov::OpacityMax);
    Trackbar1->setSingleStep(1);
    Trackbar1->setPageStep(1);
    Trackbar1->setTickPosition(QSlider::TicksBelow);
    Trackbar1->setTickInterval(10);
    Trackbar1->setToolTip(QStringLiteral("Transparency of shown phrase"));
    Trackbar1->setAccessibleName(QStringLiteral("Contrast"));
    Trackbar1->setAccessibleDescription(QStringLiteral("Transparency of shown phrase"));
    Trackbar1->setGeometry(6, 38, 195, 31);
    Trackbar1->setValue(50);
    Label6 = AddLabel(Grp_Contrast, "Label6", "min", 10, 68);
    Lbl_Pcent = AddLabel(Grp_Contrast, "Lbl_Pcent", "50%", 95, 68);
    Label7 = AddLabel(Grp_Contrast, "Label7", "Max", 181, 68);

    Grp_Font = AddGroup(page, "Grp_Font", "Font", QRect(81, 208, 461, 83));
    BtnSize = AddButton(Grp_Font, "BtnSize", "Font Size", QRect(10, 15, 75, 17));
    Btncolor = AddButton(Grp_Font, "Btncolor", "Font Color", QRect(10, 37, 75, 17));
    BtnName = AddButton(Grp_Font, "BtnName", "Font Name", QRect(10, 59, 75, 17));
    Pnl_Font = new QLabel(QStringLiteral("AaBbYyZz"), Grp_Font);
    Pnl_Font->setObjectName(QStringLiteral("Pnl_Font"));
    Pnl_Font->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Pnl_Font->setLineWidth(1);
    Pnl_Font->setAlignment(Qt::AlignCenter);
    Pnl_Font->setGeometry(114, 10, 343, 69);
    Pnl_Font->setAccessibleName(QStringLiteral("Font sample"));

    Grp_Test = AddGroup(page, "Grp_Test", "Test", QRect(83, 300, 459, 53));

    FitCaption(Label1, Label1->text(), SpinEdit1->x() - Label1->x() - 3);
    FitCaption(Label3, Label3->text(), SpinEdit2->x() - Label3->x() - 3);
    FitCaption(Label2, Label2->text(), Grp_Time->width() - Label2->x() - 3);
    for (QLabel* l : {Label1, Label2, Label3}) l->adjustSize();
    const int box = 22; // room for the check mark
    FitCaption(AutoStart, AutoStart->text(), AutoStart->width() - box);
    FitCaption(Pause, Pause->text(), Pause->width() - box);

    // Group frames run through the middle of their captions, so the places
    // inside them start right below the frame line.
    page->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 7px;"
        " padding: 0px 2px; }"));

    Button1 = AddButton(page, "Button1", "Restore Defaults", QRect(456, 362, 101, 23));
    btn_SaveSettings = AddButton(page, "btn_SaveSettings", "Save", QRect(564, 362, 57, 23));
}

void TSettingsPage::Wire()
{
    auto guarded = [](auto handler) { return [handler] { ov::Guarded(handler); }; };
    connect(SpinEdit1, &QSpinBox::valueChanged, this, guarded([this] { SettingChanged(); }));
    connect(SpinEdit2, &QSpinBox::valueChanged, this, guarded([this] { SpinEdit2Change(); }));
    connect(AutoStart, &QCheckBox::toggled, this, guarded([this] { SettingChanged(); }));
    connect(Pause, &QCheckBox::toggled, this, guarded([this] { SettingChanged(); }));
    connect(PositionItems, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) ov::Guarded([this] { SettingChanged(); });
    });
    connect(Trackbar1, &QSlider::valueChanged, this, guarded([this] { Trackbar1Change(); }));
    connect(BtnSize, &QPushButton::clicked, this, guarded([this] { BtnSizeClick(); }));
    connect(Btncolor, &QPushButton::clicked, this, guarded([this] { BtncolorClick(); }));
    connect(BtnName, &QPushButton::clicked, this, guarded([this] { BtnNameClick(); }));
    connect(btn_SaveSettings, &QPushButton::clicked, this, guarded([this] { btn_SaveSettingsClick(); }));
    connect(Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
}

int TSettingsPage::PositionIndex() const { return PositionItems->checkedId(); }

void TSettingsPage::SetPositionIndex(int index)
{
    index = ov::ClampPosition(index);
    if (index == PositionIndex()) return;
    if (index == ov::PositionNone) {
        // An exclusive group cannot uncheck its last button.
        QAbstractButton* checked = PositionItems->checkedButton();
        PositionItems->setExclusive(false);
        if (checked) checked->setChecked(false);
        PositionItems->setExclusive(true);
        SettingChanged();
        return;
    }
    PositionItems->button(index)->setChecked(true);
}

void TSettingsPage::RestoreStartupGroup()
{
    frm_.MessagesPage->LoadCategories(false);
    const ov::IniDoc doc = ov::IniFile(ov::SettingsFilePath()).Load();
    const int index = doc.ReadInteger("General", "GroupIndex", 0);
    QComboBox* dirList = frm_.MessagesPage->DirList;
    {
        const QSignalBlocker block(dirList);
        // A stored position past the last category (a folder was removed)
        // selects the first one, so its own settings are loaded: defaults
        // loaded here would later be saved over its stored values.
        dirList->setCurrentIndex(index >= 0 && index < dirList->count() ? index : (dirList->count() > 0 ? 0 : -1));
    }
    Pause->setChecked(doc.ReadBool(ov::SettingsSection(frm_.DirListText()), "Pause", false));
    frm_.mnu_Pause->setChecked(Pause->isChecked());
    frm_.Tmr_Display->SetEnabled(!Pause->isChecked());
}

void TSettingsPage::LoadSettings(const std::string& category)
{
    const ov::IniDoc doc = ov::IniFile(ov::SettingsFilePath()).Load();
    AutoStart->setChecked(ov::IsAutoRunSet([this](const std::string& t) { Warn(t, &frm_); }));
    ov::DisplayFontSpec& font = frm_.State.DisplayFont;
    const ov::CategorySettings s = ov::ReadCategorySettings(doc, category, font.Name);
    Pause->setChecked(s.Pause);
    font.Name = s.FontName;
    font.Color = s.TextColor;
    font.Size = s.Size;
    UpdateFontSample();
    SpinEdit1->setValue(s.DisplayTime);
    SpinEdit2->setValue(s.DisplayFreq);
    Trackbar1->setValue(s.Opacity);
    Trackbar1Change(); // the label follows even when the position stayed
    SetPositionIndex(s.Position);
    frm_.Tmr_Display->SetInterval(SpinEdit2->Value() * 1000);
    frm_.State.SettingsDirty = false;
}

ov::CategorySettings TSettingsPage::PageValues() const
{
    const ov::DisplayFontSpec& font = frm_.State.DisplayFont;
    ov::CategorySettings v;
    v.Pause = Pause->isChecked();
    v.FontName = font.Name;
    v.TextColor = font.Color;
    v.Size = font.Size;
    v.DisplayTime = SpinEdit1->Value();
    v.DisplayFreq = SpinEdit2->Value();
    v.Opacity = Trackbar1->value();
    v.Position = PositionIndex();
    return v;
}

bool TSettingsPage::SaveSettings(const std::string& category)
{
    std::string failure;
    try {
        ov::IniFile ini(ov::SettingsFilePath());
        ov::SetAutoRun(AutoStart->isChecked(), [this](const std::string& t) { Warn(t, &frm_); });
        const ov::CategorySettings values = PageValues();
        const int groupIndex = frm_.MessagesPage->DirListIndex();
        // One atomic replacement: a failed save leaves the file as it was.
        ini.Update([&](ov::IniDoc& doc) { ov::WriteCategorySettings(doc, category, values, groupIndex); });
    } catch (const std::exception& e) {
        failure = e.what();
    }
    frm_.State.CurrentGroup = frm_.DirListText();
    if (!failure.empty()) {
        // The changes stay marked, so the close query asks for them again.
        ov::MessageBox::Show(ov::MsgKind::Error, "The settings were not saved. " + failure, &frm_);
        return false;
    }
    frm_.State.SettingsDirty = false;
    return true;
}

void TSettingsPage::UpdateFontSample()
{
    const ov::DisplayFontSpec& shown = frm_.State.DisplayFont;
    QFont font(QString::fromLocal8Bit(shown.Name));
    // The sample keeps a size it can draw; the font itself keeps any size.
    font.setPointSize(shown.Size > 0 ? std::min(shown.Size, 200) : TMainFrm::PageFont().pointSize());
    font.setBold(false);
    font.setItalic(false);
    Pnl_Font->setFont(font);
    QPalette pal = Pnl_Font->palette();
    pal.setColor(QPalette::WindowText, ov::ToQColor(shown.Color, frm_.palette()));
    Pnl_Font->setPalette(pal);
    frm_.State.SettingsDirty = true;
}

void TSettingsPage::SettingChanged() { frm_.State.SettingsDirty = true; }

void TSettingsPage::SpinEdit2Change()
{
    frm_.Tmr_Display->SetInterval(SpinEdit2->Value() * 1000);
    frm_.State.SettingsDirty = true;
}

void TSettingsPage::Trackbar1Change()
{
    Lbl_Pcent->setText(QString::fromLocal8Bit(ov::PcentCaption(Trackbar1->value())));
    Lbl_Pcent->adjustSize();
    frm_.State.SettingsDirty = true;
}

void TSettingsPage::btn_SaveSettingsClick()
{
    if (SaveSettings(frm_.DirListText()))
        ov::MessageBox::Show(ov::MsgKind::Information, "Settings Saved Successfully", &frm_);
}

void TSettingsPage::Button1Click()
{
    frm_.mnu_Pause->setChecked(true);
    AutoStart->setChecked(true);
    Pause->setChecked(false);
    frm_.Tmr_Display->SetEnabled(false);
    ov::DisplayFontSpec& font = frm_.State.DisplayFont;
    const ov::CategorySettings defaults;
    font.Name = defaults.FontName;
    font.Color = defaults.TextColor;
    font.Size = defaults.Size;
    UpdateFontSample();
    SpinEdit1->setValue(defaults.DisplayTime);
    SpinEdit2->setValue(defaults.DisplayFreq);
    Trackbar1->setValue(defaults.Opacity);
    Trackbar1Change();
    SetPositionIndex(defaults.Position);
    frm_.Tmr_Display->SetInterval(SpinEdit2->Value() * 1000);
    frm_.State.SettingsDirty = true;
}
