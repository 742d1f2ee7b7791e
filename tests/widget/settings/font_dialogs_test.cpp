#include "app/ui/appwindows.h"
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

class FontDialogs : public SettingsPageTest {
protected:
    ov::DisplayFontSpec& Font() { return main->state_.DisplayFont; }
};

TEST_F(FontDialogs, ControlsAreNamedForScreenReaders)
{
    MakeMain();
    // What the accessibility bridge hands a screen reader: the control's own
    // name, else the label it is labelled by. A list box names itself after
    // its current entry, so only a label tells its role.
    auto spoken = [](QWidget* w) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        QStringList names{i->text(QAccessible::Name)};
        for (const auto& [label, relation] : i->relations(QAccessible::Label)) names << label->text(QAccessible::Name);
        return names;
    };
    fontColorDialog->colorCombo_->setCurrentIndex(3);
    fontNameDialog->fontCombo_->setCurrentIndex(0);
    EXPECT_TRUE(spoken(fontSizeDialog->sizeSpin_).contains("Font Size"));
    EXPECT_TRUE(spoken(fontColorDialog->colorCombo_).contains("Font Color"));
    EXPECT_TRUE(spoken(fontNameDialog->fontCombo_).contains("Font Name"));
    for (FontPropertyDialog* d : std::initializer_list<FontPropertyDialog*>{fontSizeDialog, fontColorDialog, fontNameDialog}) {
        EXPECT_EQ(spoken(d->okButton_).value(0), "Ok");
        EXPECT_EQ(spoken(d->cancelButton_).value(0), "Cancel");
    }
}

TEST_F(FontDialogs, SizeOkTakesAnyWholeNumberAndClearedTextIsZero)
{
    MakeMain();
    {
        Drive d(fontSizeDialog, [] {
            EXPECT_EQ(fontSizeDialog->sizeSpin_->value(), 12);
            fontSizeDialog->sizeSpin_->setValue(20);
            fontSizeDialog->okButton_->click();
        });
        Page().fontSizeButton_->click();
    }
    EXPECT_EQ(Font().Size, 20);
    EXPECT_EQ(Page().fontSample_->font().pointSize(), 20);
    EXPECT_TRUE(main->state_.SettingsDirty);
    for (const char* typed : {"", "-9"}) {
        Drive d(fontSizeDialog, [typed] {
            fontSizeDialog->sizeSpin_->findChild<QLineEdit*>()->setText(typed);
            fontSizeDialog->okButton_->click();
        });
        Page().onFontSize();
        EXPECT_EQ(Font().Size, *typed ? -9 : 0);
    }
}

TEST_F(FontDialogs, CancelEscapeAndCloseChangeNothing)
{
    MakeMain();
    const QFont sample = Page().fontSample_->font();
    const std::vector<std::function<void(QDialog*)>> ways{
        [](QDialog* dlg) { static_cast<FontPropertyDialog*>(dlg)->cancelButton_->click(); },
        [](QDialog* dlg) { QTest::keyClick(dlg, Qt::Key_Escape); },
        [](QDialog* dlg) { dlg->close(); },
    };
    for (const auto& way : ways) {
        main->state_.SettingsDirty = false;
        {
            Drive d(fontSizeDialog, [&] { fontSizeDialog->sizeSpin_->setValue(40); way(fontSizeDialog); });
            Page().onFontSize();
        }
        {
            Drive d(fontColorDialog, [&] { fontColorDialog->colorCombo_->setCurrentIndex(9); way(fontColorDialog); });
            Page().onFontColor();
        }
        {
            Drive d(fontNameDialog, [&] { fontNameDialog->fontCombo_->setCurrentIndex(0); way(fontNameDialog); });
            Page().onFontName();
        }
        EXPECT_EQ(Font().Name + "/" + std::to_string(Font().Color) + "/" + std::to_string(Font().Size), "Arial/0/12");
        EXPECT_EQ(Page().fontSample_->font(), sample);
        EXPECT_FALSE(main->state_.SettingsDirty);
    }
}

TEST_F(FontDialogs, ColourOkTakesTheChosenEntryAndKeepsAnUnlistedOne)
{
    MakeMain();
    Font().Color = -16777208;
    {
        Drive d(fontColorDialog, [] {
            EXPECT_EQ(fontColorDialog->colorCombo_->currentIndex(), 49); // clWindowText
            fontColorDialog->colorCombo_->setCurrentIndex(9);             // clRed
            fontColorDialog->okButton_->click();
        });
        Page().onFontColor();
    }
    EXPECT_EQ(Font().Color, 0x0000FF);
    EXPECT_EQ(Page().fontSample_->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // A colour the list does not hold: nothing selected, and Ok keeps it
    // while still counting as a change.
    Font().Color = 0x123456;
    main->state_.SettingsDirty = false;
    {
        Drive d(fontColorDialog, [] {
            EXPECT_EQ(fontColorDialog->colorCombo_->currentIndex(), -1);
            fontColorDialog->okButton_->click();
        });
        Page().onFontColor();
    }
    EXPECT_EQ(Font().Color, 0x123456);
    EXPECT_TRUE(main->state_.SettingsDirty);
}

TEST_F(FontDialogs, NameSelectsTheFontItsSubstituteOrNothing)
{
    MakeMain();
    QComboBox* list = fontNameDialog->fontCombo_;
    ASSERT_GT(list->count(), 1) << "no fonts installed";
    const std::string first = list->itemText(0).toStdString();
    const std::string last = list->itemText(list->count() - 1).toStdString();
    fontNameDialog->Substitute = [last](const std::string& n) { return n == "Stand In" ? last : std::string(); };
    auto open = [&](const std::string& name, int expectSelected, int choose) {
        Font().Name = name;
        main->state_.SettingsDirty = false;
        Drive d(fontNameDialog, [&] {
            EXPECT_EQ(list->currentIndex(), expectSelected) << name;
            if (choose >= 0) list->setCurrentIndex(choose);
            fontNameDialog->okButton_->click();
        });
        Page().onFontName();
        EXPECT_TRUE(main->state_.SettingsDirty);
    };
    open("Stand In", list->count() - 1, 0);
    EXPECT_EQ(Font().Name, first);
    EXPECT_EQ(Page().fontSample_->font().family().toStdString(), Font().Name);
    open("No Such Face", -1, -1);
    EXPECT_EQ(Font().Name, "No Such Face"); // nothing chosen keeps the name
    open(QString::fromStdString(last).toUpper().toStdString(), list->count() - 1, -1);
    EXPECT_EQ(Font().Name, last);
}
