#include "settings/ui/fontdialogs.h"
#include "settings/ui/numberspinbox.h"
#include "settings_widget_support.h"

#include <QAccessible>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The page's dialogs, made by the fixture.
FontSizeDialog* fontSizeDialog = nullptr;
FontColorDialog* fontColorDialog = nullptr;
FontNameDialog* fontNameDialog = nullptr;

// Runs action on a modal dialog from inside its own event loop, once it
// shows. A dialog that never shows fails the test; one left open is closed.
class Drive {
public:
    Drive(QDialog* dialog, std::function<void()> action) : dialog_(dialog), action_(std::move(action)) { Poll(); }
    ~Drive() { EXPECT_TRUE(done_) << "the dialog never showed"; }

private:
    void Poll()
    {
        QTimer::singleShot(5, [this] {
            if (!dialog_->isVisible()) {
                if (!deadline_.hasExpired()) Poll();
                return;
            }
            action_();
            done_ = true;
            if (dialog_->isVisible()) dialog_->reject();
        });
    }
    QDialog* dialog_;
    std::function<void()> action_;
    QDeadlineTimer deadline_{5000};
    bool done_ = false;
};

} // namespace

class FontDialogs : public SettingsPageAlone {
protected:
    void SetUp() override
    {
        SettingsPageAlone::SetUp();
        fontSizeDialog = new FontSizeDialog;
        fontColorDialog = new FontColorDialog;
        fontNameDialog = new FontNameDialog;
    }
    void TearDown() override
    {
        SettingsPageAlone::TearDown();
        for (QDialog* d : std::initializer_list<QDialog*>{fontSizeDialog, fontColorDialog, fontNameDialog}) delete d;
        fontSizeDialog = nullptr;
        fontColorDialog = nullptr;
        fontNameDialog = nullptr;
    }
    void MakePageWithDialogs()
    {
        MakePage();
        page->SetFontDialogs(fontSizeDialog, fontColorDialog, fontNameDialog);
    }
    // Shows the category's settings from a file holding only the given
    // line, as switching to the category does; nothing is then unsaved.
    void LoadWith(const std::string& line)
    {
        exe->Write("Orvella.ini", "[A-Settings]\n" + line + "\n");
        page->LoadSettings("A");
    }
    const ov::CategorySettings& Font() const { return page->Shown(); }
    template <typename T> T* Find(const QString& name) const { return Control<T>(name); }
};

TEST_F(FontDialogs, ControlsAreNamedForScreenReaders)
{
    MakePageWithDialogs();
    // What the accessibility bridge hands a screen reader: the control's own
    // name, else the label it is labelled by. A list box names itself after
    // its current entry, so only a label tells its role.
    auto spoken = [](QWidget* w) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        QStringList names{i->text(QAccessible::Name)};
        for (const auto& [label, relation] : i->relations(QAccessible::Label)) names << label->text(QAccessible::Name);
        return names;
    };
    ovtest::Child<ColorComboBox>(fontColorDialog, "colorCombo")->setCurrentIndex(3);
    ovtest::Child<QComboBox>(fontNameDialog, "fontCombo")->setCurrentIndex(0);
    EXPECT_TRUE(spoken(ovtest::Child<ov::NumberSpinBox>(fontSizeDialog, "sizeSpin")).contains("Font Size"));
    EXPECT_TRUE(spoken(ovtest::Child<ColorComboBox>(fontColorDialog, "colorCombo")).contains("Font Color"));
    EXPECT_TRUE(spoken(ovtest::Child<QComboBox>(fontNameDialog, "fontCombo")).contains("Font Name"));
    for (FontPropertyDialog* d : std::initializer_list<FontPropertyDialog*>{fontSizeDialog, fontColorDialog, fontNameDialog}) {
        EXPECT_EQ(spoken(ovtest::Child<QPushButton>(d, "okButton")).value(0), "Ok");
        EXPECT_EQ(spoken(ovtest::Child<QPushButton>(d, "cancelButton")).value(0), "Cancel");
    }
}

TEST_F(FontDialogs, SizeOkTakesAnyWholeNumberAndClearedTextIsZero)
{
    MakePageWithDialogs();
    {
        Drive d(fontSizeDialog, [] {
            EXPECT_EQ(ovtest::Child<ov::NumberSpinBox>(fontSizeDialog, "sizeSpin")->value(), 12);
            ovtest::Child<ov::NumberSpinBox>(fontSizeDialog, "sizeSpin")->setValue(20);
            ovtest::Child<QPushButton>(fontSizeDialog, "okButton")->click();
        });
        Find<QPushButton>("fontSizeButton")->click();
    }
    EXPECT_EQ(Font().FontSize, 20);
    EXPECT_EQ(Find<QLabel>("fontSample")->font().pointSize(), 20);
    EXPECT_TRUE(page->HasUnsavedChanges());
    for (const char* typed : {"", "-9"}) {
        Drive d(fontSizeDialog, [typed] {
            ovtest::Child<ov::NumberSpinBox>(fontSizeDialog, "sizeSpin")->findChild<QLineEdit*>()->setText(typed);
            ovtest::Child<QPushButton>(fontSizeDialog, "okButton")->click();
        });
        Find<QPushButton>("fontSizeButton")->click();
        EXPECT_EQ(Font().FontSize, *typed ? -9 : 0);
    }
}

TEST_F(FontDialogs, CancelEscapeAndCloseChangeNothing)
{
    MakePageWithDialogs();
    const QFont sample = Find<QLabel>("fontSample")->font();
    const std::vector<std::function<void(QDialog*)>> ways{
        [](QDialog* dlg) { ovtest::Child<QPushButton>(dlg, "cancelButton")->click(); },
        [](QDialog* dlg) { QTest::keyClick(dlg, Qt::Key_Escape); },
        [](QDialog* dlg) { dlg->close(); },
    };
    for (const auto& way : ways) {
        {
            Drive d(fontSizeDialog, [&] { ovtest::Child<ov::NumberSpinBox>(fontSizeDialog, "sizeSpin")->setValue(40); way(fontSizeDialog); });
            Find<QPushButton>("fontSizeButton")->click();
        }
        {
            Drive d(fontColorDialog, [&] { ovtest::Child<ColorComboBox>(fontColorDialog, "colorCombo")->setCurrentIndex(9); way(fontColorDialog); });
            Find<QPushButton>("fontColorButton")->click();
        }
        {
            Drive d(fontNameDialog, [&] { ovtest::Child<QComboBox>(fontNameDialog, "fontCombo")->setCurrentIndex(0); way(fontNameDialog); });
            Find<QPushButton>("fontNameButton")->click();
        }
        EXPECT_EQ(Font().FontName + "/" + std::to_string(Font().FontColor) + "/" + std::to_string(Font().FontSize), "Arial/0/12");
        EXPECT_EQ(Find<QLabel>("fontSample")->font(), sample);
        EXPECT_FALSE(page->HasUnsavedChanges());
    }
}

TEST_F(FontDialogs, ColourOkTakesTheChosenEntryAndKeepsAnUnlistedOne)
{
    MakePageWithDialogs();
    LoadWith("TextColor=-16777208");
    {
        Drive d(fontColorDialog, [] {
            EXPECT_EQ(ovtest::Child<ColorComboBox>(fontColorDialog, "colorCombo")->currentIndex(), 49); // clWindowText
            ovtest::Child<ColorComboBox>(fontColorDialog, "colorCombo")->setCurrentIndex(9);             // clRed
            ovtest::Child<QPushButton>(fontColorDialog, "okButton")->click();
        });
        Find<QPushButton>("fontColorButton")->click();
    }
    EXPECT_EQ(Font().FontColor, 0x0000FF);
    EXPECT_EQ(Find<QLabel>("fontSample")->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // A colour the list does not hold: nothing selected, and Ok keeps it
    // while still counting as a change.
    LoadWith("TextColor=" + std::to_string(0x123456));
    {
        Drive d(fontColorDialog, [] {
            EXPECT_EQ(ovtest::Child<ColorComboBox>(fontColorDialog, "colorCombo")->currentIndex(), -1);
            ovtest::Child<QPushButton>(fontColorDialog, "okButton")->click();
        });
        Find<QPushButton>("fontColorButton")->click();
    }
    EXPECT_EQ(Font().FontColor, 0x123456);
    EXPECT_TRUE(page->HasUnsavedChanges());
}

TEST_F(FontDialogs, NameSelectsTheFontItsSubstituteOrNothing)
{
    MakePageWithDialogs();
    QComboBox* list = ovtest::Child<QComboBox>(fontNameDialog, "fontCombo");
    ASSERT_GT(list->count(), 1) << "no fonts installed";
    const std::string first = list->itemText(0).toStdString();
    const std::string last = list->itemText(list->count() - 1).toStdString();
    fontNameDialog->Substitute = [last](const std::string& n) { return n == "Stand In" ? last : std::string(); };
    auto open = [&](const std::string& name, int expectSelected, int choose) {
        LoadWith("FontName=" + name);
        Drive d(fontNameDialog, [&] {
            EXPECT_EQ(list->currentIndex(), expectSelected) << name;
            if (choose >= 0) list->setCurrentIndex(choose);
            ovtest::Child<QPushButton>(fontNameDialog, "okButton")->click();
        });
        Find<QPushButton>("fontNameButton")->click();
        EXPECT_TRUE(page->HasUnsavedChanges());
    };
    open("Stand In", list->count() - 1, 0);
    EXPECT_EQ(Font().FontName, first);
    EXPECT_EQ(Find<QLabel>("fontSample")->font().family().toStdString(), Font().FontName);
    open("No Such Face", -1, -1);
    EXPECT_EQ(Font().FontName, "No Such Face"); // nothing chosen keeps the name
    open(QString::fromStdString(last).toUpper().toStdString(), list->count() - 1, -1);
    EXPECT_EQ(Font().FontName, last);
}
