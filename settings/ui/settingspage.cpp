#include "settings/ui/settingspage.h"
#include "settings/ui/fontdialogs.h"
#include "platform/ui/messagebox.h"
#include "platform/ui/pagefont.h"
#include "settings/autorun.h"
#include "settings/categorysettings.h"
#include "settings/colors.h"
#include "settings/inifile.h"
#include "settings/ui/numberspinbox.h"
#include "platform/translate.h"
#include "platform/ui/captionfit.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <algorithm>

namespace {

QFont RegularFont()
{
    QFont f = ov::PageFont();
    f.setBold(false); // set explicitly, or a bold group box passes its weight on
    return f;
}

QFont BoldFont()
{
    QFont f = ov::PageFont();
    f.setBold(true);
    return f;
}

QLabel* AddLabel(QWidget* parent, const char* name, const char* caption, int x, int y)
{
    auto* label = new QLabel(QCoreApplication::translate("SettingsPage", caption), parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(RegularFont());
    label->adjustSize();
    label->move(x, y);
    return label;
}

QGroupBox* AddGroup(QWidget* parent, const char* name, const char* caption, const QRect& place)
{
    auto* group = new QGroupBox(QCoreApplication::translate("SettingsPage", caption), parent);
    group->setObjectName(QLatin1String(name));
    group->setFont(BoldFont());
    group->setGeometry(place);
    return group;
}

QPushButton* AddButton(QWidget* parent, const char* name, const char* caption, const QRect& place)
{
    auto* button = new QPushButton(QCoreApplication::translate("SettingsPage", caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(RegularFont());
    button->setGeometry(place);
    return button;
}

ov::NumberSpinBox* AddSpin(QWidget* parent, const char* name, ov::IntRange range, int step, const char* hint,
                           const QRect& place)
{
    auto* spin = new ov::NumberSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setFont(RegularFont());
    spin->setRange(range.min, range.max);
    spin->setSingleStep(step);
    spin->setToolTip(QCoreApplication::translate("SettingsPage", hint));
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

SettingsPage::SettingsPage(PreviewFactory makePreview, QWidget* parent) : QWidget(parent)
{
    BuildPage();
    // After the Save button, so the Test button keeps its place in the focus chain.
    if (makePreview) makePreview(*testGroup_, shown_);
    Wire();
}

void SettingsPage::BuildPage()
{
    QWidget* page = this;
    const ov::CategorySettings defaults;

    settingsSideLogo_ = new QLabel(page);
    settingsSideLogo_->setObjectName(QStringLiteral("settingsSideLogo"));
    settingsSideLogo_->setGeometry(4, 12, 64, 246);
    settingsSideLogo_->setAccessibleName(tr("Side logo"));

    timeGroup_ = AddGroup(page, "timeGroup", QT_TRANSLATE_NOOP("SettingsPage", "Time and Delays"), QRect(81, 8, 245, 85));
    displayTimeLabel_ = AddLabel(timeGroup_, "displayTimeLabel", QT_TRANSLATE_NOOP("SettingsPage", "Show message for"), 9, 22);
    displayTimeSpin_ = AddSpin(timeGroup_, "displayTimeSpin", ov::DisplayTimeRange, 10,
                        QT_TRANSLATE_NOOP("SettingsPage", "Length of time a phrase is shown"), QRect(114, 19, 57, 22));
    displayTimeSpin_->setValue(defaults.DisplayTime);
    displayTimeLabel_->setBuddy(displayTimeSpin_);
    displayTimeUnitLabel_ = AddLabel(timeGroup_, "displayTimeUnitLabel", QT_TRANSLATE_NOOP("SettingsPage", "milliseconds"), 182, 24);
    intervalLabel_ = AddLabel(timeGroup_, "intervalLabel", QT_TRANSLATE_NOOP("SettingsPage", "Show message every"), 9, 54);
    intervalSpin_ = AddSpin(timeGroup_, "intervalSpin", ov::IntervalRange, 1,
                        QT_TRANSLATE_NOOP("SettingsPage", "Time between showing phrases"), QRect(114, 51, 57, 22));
    intervalSpin_->setValue(defaults.Interval);
    intervalLabel_->setBuddy(intervalSpin_);
    intervalUnitLabel_ = AddLabel(timeGroup_, "intervalUnitLabel", QT_TRANSLATE_NOOP("SettingsPage", "seconds"), 182, 56);

    startupGroup_ = AddGroup(page, "startupGroup", QT_TRANSLATE_NOOP("SettingsPage", "On Start-up"), QRect(333, 8, 209, 85));
    autoStartCheck_ = new QCheckBox(tr("Start Orvella when I log in"), startupGroup_);
    autoStartCheck_->setObjectName(QStringLiteral("autoStartCheck"));
    autoStartCheck_->setFont(RegularFont());
    autoStartCheck_->setGeometry(12, 22, 193, 17);
    pauseCheck_ = new QCheckBox(tr("Pause messages"), startupGroup_);
    pauseCheck_->setObjectName(QStringLiteral("pauseCheck"));
    pauseCheck_->setFont(RegularFont());
    pauseCheck_->setGeometry(12, 54, 123, 17);
    pauseCheck_->setChecked(defaults.StartPaused);

    // The radio group: its caption and its items are bold.
    locationGroup_ = AddGroup(page, "locationGroup", QT_TRANSLATE_NOOP("SettingsPage", "Location"), QRect(81, 100, 245, 107));
    locationButtons_ = new QButtonGroup(locationGroup_);
    randomRadio_ = new QRadioButton(tr("Random - Full Screen"), locationGroup_);
    randomRadio_->setObjectName(QStringLiteral("randomRadio"));
    randomRadio_->setGeometry(10, 30, 228, 20);
    centeredRadio_ = new QRadioButton(tr("Centered - Full Screen"), locationGroup_);
    centeredRadio_->setObjectName(QStringLiteral("centeredRadio"));
    centeredRadio_->setGeometry(10, 64, 228, 20);
    locationButtons_->addButton(randomRadio_, ov::LocationRandom);
    locationButtons_->addButton(centeredRadio_, ov::LocationCentered);
    SetLocationIndex(defaults.Location);

    contrastGroup_ = AddGroup(page, "contrastGroup", QT_TRANSLATE_NOOP("SettingsPage", "Contrast"), QRect(333, 100, 209, 107));
    contrastSlider_ = new QSlider(Qt::Horizontal, contrastGroup_);
    contrastSlider_->setObjectName(QStringLiteral("contrastSlider"));
    contrastSlider_->setRange(ov::ContrastRange.min, ov::ContrastRange.max);
    contrastSlider_->setSingleStep(1);
    contrastSlider_->setPageStep(1);
    contrastSlider_->setTickPosition(QSlider::TicksBelow);
    contrastSlider_->setTickInterval(10);
    contrastSlider_->setToolTip(tr("Transparency of shown phrase"));
    contrastSlider_->setAccessibleName(tr("Contrast"));
    contrastSlider_->setAccessibleDescription(tr("Transparency of shown phrase"));
    contrastSlider_->setGeometry(6, 38, 195, 31);
    contrastSlider_->setValue(defaults.Contrast);
    contrastMinLabel_ = AddLabel(contrastGroup_, "contrastMinLabel", QT_TRANSLATE_NOOP("SettingsPage", "min"), 10, 68);
    contrastPercentLabel_ = AddLabel(contrastGroup_, "contrastPercentLabel", "", 95, 68);
    contrastPercentLabel_->setText(QString::fromStdString(ov::ContrastCaption(defaults.Contrast)));
    contrastPercentLabel_->adjustSize();
    contrastMaxLabel_ = AddLabel(contrastGroup_, "contrastMaxLabel", QT_TRANSLATE_NOOP("SettingsPage", "Max"), 181, 68);

    fontGroup_ = AddGroup(page, "fontGroup", QT_TRANSLATE_NOOP("SettingsPage", "Font"), QRect(81, 208, 461, 83));
    fontSizeButton_ = AddButton(fontGroup_, "fontSizeButton", QT_TRANSLATE_NOOP("SettingsPage", "Font Size"), QRect(10, 15, 75, 17));
    fontColorButton_ = AddButton(fontGroup_, "fontColorButton", QT_TRANSLATE_NOOP("SettingsPage", "Font Color"), QRect(10, 37, 75, 17));
    fontNameButton_ = AddButton(fontGroup_, "fontNameButton", QT_TRANSLATE_NOOP("SettingsPage", "Font Name"), QRect(10, 59, 75, 17));
    fontSample_ = new QLabel(QStringLiteral("AaBbYyZz"), fontGroup_);
    fontSample_->setObjectName(QStringLiteral("fontSample"));
    fontSample_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    fontSample_->setLineWidth(1);
    fontSample_->setAlignment(Qt::AlignCenter);
    fontSample_->setGeometry(114, 10, 343, 69);
    fontSample_->setAccessibleName(tr("Font sample"));

    testGroup_ = AddGroup(page, "testGroup", QT_TRANSLATE_NOOP("SettingsPage", "Test"), QRect(83, 300, 459, 53));

    FitCaption(displayTimeLabel_, displayTimeLabel_->text(), displayTimeSpin_->x() - displayTimeLabel_->x() - 3);
    FitCaption(intervalLabel_, intervalLabel_->text(), intervalSpin_->x() - intervalLabel_->x() - 3);
    FitCaption(displayTimeUnitLabel_, displayTimeUnitLabel_->text(), timeGroup_->width() - displayTimeUnitLabel_->x() - 3);
    for (QLabel* l : {displayTimeLabel_, displayTimeUnitLabel_, intervalLabel_}) l->adjustSize();
    const int box = 22; // room for the check mark
    FitCaption(autoStartCheck_, autoStartCheck_->text(), autoStartCheck_->width() - box);
    FitCaption(pauseCheck_, pauseCheck_->text(), pauseCheck_->width() - box);

    // Group frames run through the middle of their captions, so the places
    // inside them start right below the frame line.
    page->setStyleSheet(QStringLiteral(
        "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 6px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 7px;"
        " padding: 0px 2px; }"));

    restoreDefaultsButton_ = AddButton(page, "restoreDefaultsButton", QT_TRANSLATE_NOOP("SettingsPage", "Restore Defaults"), QRect(456, 362, 101, 23));
    saveSettingsButton_ = AddButton(page, "saveSettingsButton", QT_TRANSLATE_NOOP("SettingsPage", "Save"), QRect(564, 362, 57, 23));
    ov::FitButtonRow({restoreDefaultsButton_, saveSettingsButton_});
    Publish();
}

void SettingsPage::Wire()
{
    auto guarded = [](auto handler) { return [handler] { ov::Guarded(handler); }; };
    connect(displayTimeSpin_, &QSpinBox::valueChanged, this, guarded([this] { onSettingChanged(); }));
    connect(intervalSpin_, &QSpinBox::valueChanged, this, guarded([this] { onIntervalChanged(); }));
    connect(autoStartCheck_, &QCheckBox::toggled, this, guarded([this] { onSettingChanged(); }));
    connect(pauseCheck_, &QCheckBox::toggled, this, guarded([this] { onSettingChanged(); }));
    connect(locationButtons_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) ov::Guarded([this] { onSettingChanged(); });
    });
    connect(contrastSlider_, &QSlider::valueChanged, this, guarded([this] { onContrastChanged(); }));
    connect(fontSizeButton_, &QPushButton::clicked, this, guarded([this] { onFontSize(); }));
    connect(fontColorButton_, &QPushButton::clicked, this, guarded([this] { onFontColor(); }));
    connect(fontNameButton_, &QPushButton::clicked, this, guarded([this] { onFontName(); }));
    connect(saveSettingsButton_, &QPushButton::clicked, this, guarded([this] { onSaveSettings(); }));
    connect(restoreDefaultsButton_, &QPushButton::clicked, this, guarded([this] { onRestoreDefaults(); }));
    // A tick reads the text as typed, before focus leaves the box.
    connect(displayTimeSpin_, &ov::NumberSpinBox::textEdited, this, [this] { Publish(); });
    connect(intervalSpin_, &ov::NumberSpinBox::textEdited, this, [this] { Publish(); });
}

void SettingsPage::SetFontDialogs(FontSizeDialog* size, FontColorDialog* colour, FontNameDialog* name)
{
    fontSizeDialog_ = size;
    fontColorDialog_ = colour;
    fontNameDialog_ = name;
}

void SettingsPage::SetCategorySource(std::function<ShownCategory()> source) { categorySource_ = std::move(source); }

ShownCategory SettingsPage::Category() const { return categorySource_ ? categorySource_() : ShownCategory{}; }

void SettingsPage::SetSideImage(const QPixmap& picture)
{
    settingsSideLogo_->setPixmap(picture);
    settingsSideLogo_->resize(picture.size()); // sizes itself to the picture
}

void SettingsPage::Publish()
{
    shown_.StartPaused = pauseCheck_->isChecked();
    shown_.DisplayTime = displayTimeSpin_->Value();
    shown_.Interval = intervalSpin_->Value();
    shown_.Contrast = contrastSlider_->value();
    shown_.Location = LocationIndex();
}

void SettingsPage::MarkChanged()
{
    unsaved_ = true;
    emit settingsChanged();
}

int SettingsPage::LocationIndex() const { return locationButtons_->checkedId(); }

void SettingsPage::SetLocationIndex(int index)
{
    index = ov::LocationRange.Clamp(index);
    if (index == LocationIndex()) return;
    if (index == ov::LocationNone) {
        // An exclusive group cannot uncheck its last button.
        QAbstractButton* checked = locationButtons_->checkedButton();
        locationButtons_->setExclusive(false);
        if (checked) checked->setChecked(false);
        locationButtons_->setExclusive(true);
        onSettingChanged();
        return;
    }
    locationButtons_->button(index)->setChecked(true);
}

void SettingsPage::RestorePause(const ov::IniDoc& doc, const std::string& category)
{
    pauseCheck_->setChecked(ov::ReadCategorySettings(doc, category, shown_.FontName).StartPaused);
}

void SettingsPage::LoadSettings(const std::string& category)
{
    const ov::IniDoc doc = ov::IniFile(ov::SettingsFilePath()).Load();
    autoStartCheck_->setChecked(ov::IsAutoRunSet([this](const std::string& t) { Warn(t, window()); }));
    ShowValues(ov::ReadCategorySettings(doc, category, shown_.FontName));
    unsaved_ = false;
    RememberStored(category);
}

void SettingsPage::ShowValues(const ov::CategorySettings& values)
{
    pauseCheck_->setChecked(values.StartPaused);
    shown_.FontName = values.FontName;
    shown_.FontColor = values.FontColor;
    shown_.FontSize = values.FontSize;
    UpdateFontSample();
    displayTimeSpin_->setValue(values.DisplayTime);
    intervalSpin_->setValue(values.Interval);
    contrastSlider_->setValue(values.Contrast);
    onContrastChanged(); // the label follows even when the position stayed
    SetLocationIndex(values.Location);
    Publish();
    emit intervalChanged();
}

void SettingsPage::RememberStored(const std::string& category)
{
    Publish();
    stored_ = Stored{category, shown_, autoStartCheck_->isChecked()};
}

bool SettingsPage::SaveSettings(const std::string& category)
{
    // Saves come on every change of category: with nothing changed, nothing
    // is written, so a file the user may not write stands in no one's way.
    Publish();
    if (stored_ && stored_->category == category && stored_->values == shown_
        && stored_->autoStart == autoStartCheck_->isChecked()) {
        unsaved_ = false;
        return true;
    }
    return WriteSettings(category);
}

bool SettingsPage::WriteSettings(const std::string& category)
{
    std::string failure;
    try {
        ov::IniFile ini(ov::SettingsFilePath());
        ov::SetAutoRun(autoStartCheck_->isChecked(), [this](const std::string& t) { Warn(t, window()); });
        Publish();
        const ov::CategorySettings values = shown_;
        const int categoryIndex = Category().index;
        // One atomic replacement: a failed save leaves the file as it was.
        ini.Update([&](ov::IniDoc& doc) { ov::WriteCategorySettings(doc, category, values, categoryIndex); });
    } catch (const std::exception& e) {
        failure = e.what();
    }
    if (!failure.empty()) {
        // The changes stay marked, so the close query asks for them again.
        ov::MessageBox::Show(ov::MsgKind::Error, ov::Tr("SettingsPage", "The settings were not saved. ") + failure, window());
        return false;
    }
    unsaved_ = false;
    RememberStored(category);
    return true;
}

void SettingsPage::UpdateFontSample()
{
    QFont font(QString::fromLocal8Bit(shown_.FontName));
    // The sample keeps a size it can draw; the font itself keeps any size.
    font.setPointSize(shown_.FontSize > 0 ? std::min(shown_.FontSize, 200) : ov::PageFont().pointSize());
    font.setBold(false);
    font.setItalic(false);
    fontSample_->setFont(font);
    QPalette pal = fontSample_->palette();
    pal.setColor(QPalette::WindowText, ov::ToQColor(shown_.FontColor, window()->palette()));
    fontSample_->setPalette(pal);
}

void SettingsPage::onSettingChanged()
{
    Publish();
    MarkChanged();
}

void SettingsPage::onIntervalChanged()
{
    Publish();
    emit intervalChanged();
    MarkChanged();
}

void SettingsPage::onContrastChanged()
{
    contrastPercentLabel_->setText(QString::fromLocal8Bit(ov::ContrastCaption(contrastSlider_->value())));
    contrastPercentLabel_->adjustSize();
    Publish();
    MarkChanged();
}

void SettingsPage::onSaveSettings()
{
    // Asked for: written even when nothing changed.
    if (WriteSettings(Category().name))
        ov::MessageBox::Show(ov::MsgKind::Information, ov::Tr("SettingsPage", "Settings Saved Successfully"), window());
}

void SettingsPage::onRestoreDefaults()
{
    emit pauseRequested();
    autoStartCheck_->setChecked(true);
    ShowValues(ov::CategorySettings{});
    MarkChanged();
}
