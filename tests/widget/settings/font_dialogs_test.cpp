#include "app/ui/ovForms.h"
#include "settings/ui/ovFontDialogs.h"
#include "settings/ui/ovSpinEdit.h"
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
    ov::DisplayFontSpec& Font() { return main->State.DisplayFont; }
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
    ColorFrm->ColorBox1->setCurrentIndex(3);
    NameFrm->JvFontComboBox1->setCurrentIndex(0);
    EXPECT_TRUE(spoken(Sizefrm->SpinEdit1).contains("Font Size"));
    EXPECT_TRUE(spoken(ColorFrm->ColorBox1).contains("Font Color"));
    EXPECT_TRUE(spoken(NameFrm->JvFontComboBox1).contains("Font Name"));
    for (TFontDialog* d : std::initializer_list<TFontDialog*>{Sizefrm, ColorFrm, NameFrm}) {
        EXPECT_EQ(spoken(d->Save).value(0), "Ok");
        EXPECT_EQ(spoken(d->Button1).value(0), "Cancel");
    }
}

TEST_F(FontDialogs, SizeOkTakesAnyWholeNumberAndClearedTextIsZero)
{
    MakeMain();
    {
        Drive d(Sizefrm, [] {
            EXPECT_EQ(Sizefrm->SpinEdit1->value(), 12);
            Sizefrm->SpinEdit1->setValue(20);
            Sizefrm->Save->click();
        });
        Page().BtnSize->click();
    }
    EXPECT_EQ(Font().Size, 20);
    EXPECT_EQ(Page().Pnl_Font->font().pointSize(), 20);
    EXPECT_TRUE(main->State.SettingsDirty);
    for (const char* typed : {"", "-9"}) {
        Drive d(Sizefrm, [typed] {
            Sizefrm->SpinEdit1->findChild<QLineEdit*>()->setText(typed);
            Sizefrm->Save->click();
        });
        Page().BtnSizeClick();
        EXPECT_EQ(Font().Size, *typed ? -9 : 0);
    }
}

TEST_F(FontDialogs, CancelEscapeAndCloseChangeNothing)
{
    MakeMain();
    const QFont sample = Page().Pnl_Font->font();
    const std::vector<std::function<void(QDialog*)>> ways{
        [](QDialog* dlg) { static_cast<TFontDialog*>(dlg)->Button1->click(); },
        [](QDialog* dlg) { QTest::keyClick(dlg, Qt::Key_Escape); },
        [](QDialog* dlg) { dlg->close(); },
    };
    for (const auto& way : ways) {
        main->State.SettingsDirty = false;
        {
            Drive d(Sizefrm, [&] { Sizefrm->SpinEdit1->setValue(40); way(Sizefrm); });
            Page().BtnSizeClick();
        }
        {
            Drive d(ColorFrm, [&] { ColorFrm->ColorBox1->setCurrentIndex(9); way(ColorFrm); });
            Page().BtncolorClick();
        }
        {
            Drive d(NameFrm, [&] { NameFrm->JvFontComboBox1->setCurrentIndex(0); way(NameFrm); });
            Page().BtnNameClick();
        }
        EXPECT_EQ(Font().Name + "/" + std::to_string(Font().Color) + "/" + std::to_string(Font().Size), "Arial/0/12");
        EXPECT_EQ(Page().Pnl_Font->font(), sample);
        EXPECT_FALSE(main->State.SettingsDirty);
    }
}

TEST_F(FontDialogs, ColourOkTakesTheChosenEntryAndKeepsAnUnlistedOne)
{
    MakeMain();
    Font().Color = -16777208;
    {
        Drive d(ColorFrm, [] {
            EXPECT_EQ(ColorFrm->ColorBox1->currentIndex(), 49); // clWindowText
            ColorFrm->ColorBox1->setCurrentIndex(9);             // clRed
            ColorFrm->Save->click();
        });
        Page().BtncolorClick();
    }
    EXPECT_EQ(Font().Color, 0x0000FF);
    EXPECT_EQ(Page().Pnl_Font->palette().color(QPalette::WindowText), QColor(255, 0, 0));

    // A colour the list does not hold: nothing selected, and Ok keeps it
    // while still counting as a change.
    Font().Color = 0x123456;
    main->State.SettingsDirty = false;
    {
        Drive d(ColorFrm, [] {
            EXPECT_EQ(ColorFrm->ColorBox1->currentIndex(), -1);
            ColorFrm->Save->click();
        });
        Page().BtncolorClick();
    }
    EXPECT_EQ(Font().Color, 0x123456);
    EXPECT_TRUE(main->State.SettingsDirty);
}

TEST_F(FontDialogs, NameSelectsTheFontItsSubstituteOrNothing)
{
    MakeMain();
    QComboBox* list = NameFrm->JvFontComboBox1;
    ASSERT_GT(list->count(), 1) << "no fonts installed";
    const std::string first = list->itemText(0).toStdString();
    const std::string last = list->itemText(list->count() - 1).toStdString();
    NameFrm->Substitute = [last](const std::string& n) { return n == "Stand In" ? last : std::string(); };
    auto open = [&](const std::string& name, int expectSelected, int choose) {
        Font().Name = name;
        main->State.SettingsDirty = false;
        Drive d(NameFrm, [&] {
            EXPECT_EQ(list->currentIndex(), expectSelected) << name;
            if (choose >= 0) list->setCurrentIndex(choose);
            NameFrm->Save->click();
        });
        Page().BtnNameClick();
        EXPECT_TRUE(main->State.SettingsDirty);
    };
    open("Stand In", list->count() - 1, 0);
    EXPECT_EQ(Font().Name, first);
    EXPECT_EQ(Page().Pnl_Font->font().family().toStdString(), Font().Name);
    open("No Such Face", -1, -1);
    EXPECT_EQ(Font().Name, "No Such Face"); // nothing chosen keeps the name
    open(QString::fromStdString(last).toUpper().toStdString(), list->count() - 1, -1);
    EXPECT_EQ(Font().Name, last);
}
