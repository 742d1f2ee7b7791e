#include "app/ui/ovForms.h"
#include "settings/ovColors.h"
#include "settings/ui/ovFontDialogs.h"
#include "settings/ui/ovSpinEdit.h"
#include "settings_widget_support.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Acts on a modal dialog once it shows, from inside its own event loop. A
// dialog that never shows, or stays open, fails the test rather than hang.
class DialogDriver {
public:
    DialogDriver(QDialog* dialog, std::function<void()> action) : dialog_(dialog), action_(std::move(action))
    {
        clock_.start();
        Poll();
    }
    ~DialogDriver() { EXPECT_TRUE(done_) << "dialog never showed"; }

private:
    void Poll()
    {
        QTimer::singleShot(5, [this] {
            if (dialog_->isVisible()) {
                action_();
                done_ = true;
                if (dialog_->isVisible()) QTimer::singleShot(2000, dialog_, [d = dialog_] { d->reject(); });
                return;
            }
            if (clock_.elapsed() < 5000) Poll();
        });
    }
    QDialog* dialog_;
    std::function<void()> action_;
    QElapsedTimer clock_;
    bool done_ = false;
};

} // namespace

class FontDialogs : public SettingsPageTest {
protected:
    ov::DisplayFontSpec& Font() { return main->State.DisplayFont; }
};

TEST_F(FontDialogs, DialogsAreBuiltAsDocumented)
{
    MakeMain();
    ASSERT_TRUE(Sizefrm && ColorFrm && NameFrm);
    EXPECT_EQ(Sizefrm->windowTitle(), "Font Size");
    EXPECT_EQ(Sizefrm->size(), QSize(157, 72));
    EXPECT_EQ(Sizefrm->Button1->geometry(), QRect(93, 46, 57, 23));
    EXPECT_EQ(ColorFrm->Button1->geometry(), QRect(95, 46, 57, 23));
    EXPECT_EQ(NameFrm->Save->geometry(), QRect(8, 46, 57, 23));
    EXPECT_EQ(NameFrm->size(), QSize(158, 71));
    EXPECT_EQ(ColorFrm->ColorBox1->count(), 50);
    EXPECT_EQ(ColorFrm->ColorBox1->itemText(44), "clScrollBar");
    EXPECT_EQ(ColorFrm->ColorBox1->ColorAt(44), -16777216);
    EXPECT_EQ(Sizefrm->Save->text(), "Ok");
    auto name = [](QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); };
    EXPECT_EQ(name(Sizefrm->SpinEdit1), "Font Size");
    // A combo box reports its current entry as its name on this desktop; the
    // role name is its accessible name property.
    EXPECT_EQ(ColorFrm->ColorBox1->accessibleName(), "Font Color");
    EXPECT_EQ(NameFrm->JvFontComboBox1->accessibleName(), "Font Name");
    EXPECT_EQ(name(NameFrm->Button1), "Cancel");
    // Each name once.
    QStringList names;
    for (int i = 0; i < NameFrm->JvFontComboBox1->count(); ++i) names << NameFrm->JvFontComboBox1->itemText(i).toLower();
    EXPECT_EQ(names.removeDuplicates(), 0);
}

TEST_F(FontDialogs, SizeOkTakesAnyWholeNumberAndClearedTextIsZero)
{
    MakeMain();
    {
        DialogDriver d(Sizefrm, [] {
            EXPECT_EQ(Sizefrm->SpinEdit1->value(), 12);
            Sizefrm->SpinEdit1->setValue(20);
            Sizefrm->Save->click();
        });
        Page().BtnSize->click();
    }
    EXPECT_EQ(Font().Size, 20);
    EXPECT_EQ(Page().Pnl_Font->font().pointSize(), 20);
    EXPECT_TRUE(main->State.SettingsDirty);
    {
        DialogDriver d(Sizefrm, [] {
            Sizefrm->SpinEdit1->findChild<QLineEdit*>()->clear();
            Sizefrm->Save->click();
        });
        Page().BtnSizeClick();
    }
    EXPECT_EQ(Font().Size, 0);
    {
        DialogDriver d(Sizefrm, [] {
            Sizefrm->SpinEdit1->setValue(-9);
            Sizefrm->Save->click();
        });
        Page().BtnSizeClick();
    }
    EXPECT_EQ(Font().Size, -9);
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
            DialogDriver d(Sizefrm, [&] { Sizefrm->SpinEdit1->setValue(40); way(Sizefrm); });
            Page().BtnSizeClick();
        }
        {
            DialogDriver d(ColorFrm, [&] { ColorFrm->ColorBox1->setCurrentIndex(9); way(ColorFrm); });
            Page().BtncolorClick();
        }
        {
            DialogDriver d(NameFrm, [&] { NameFrm->JvFontComboBox1->setCurrentIndex(0); way(NameFrm); });
            Page().BtnNameClick();
        }
        EXPECT_EQ(Font().Size, 12);
        EXPECT_EQ(Font().Color, 0);
        EXPECT_EQ(Font().Name, "Arial");
        EXPECT_EQ(Page().Pnl_Font->font(), sample);
        EXPECT_FALSE(main->State.SettingsDirty);
    }
}

TEST_F(FontDialogs, ColourOkTakesTheChosenEntry)
{
    MakeMain();
    Font().Color = -16777208;
    {
        DialogDriver d(ColorFrm, [] {
            EXPECT_EQ(ColorFrm->ColorBox1->currentIndex(), 49); // clWindowText
            ColorFrm->ColorBox1->setCurrentIndex(9);             // clRed
            ColorFrm->Save->click();
        });
        Page().BtncolorClick();
    }
    EXPECT_EQ(Font().Color, 0x0000FF);
    EXPECT_EQ(Page().Pnl_Font->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    // Ok without a change still counts as a change.
    main->State.SettingsDirty = false;
    {
        DialogDriver d(ColorFrm, [] { ColorFrm->Save->click(); });
        Page().BtncolorClick();
    }
    EXPECT_EQ(Font().Color, 0x0000FF);
    EXPECT_TRUE(main->State.SettingsDirty);
}

TEST_F(FontDialogs, ColourNotInTheListSelectsNothingAndOkKeepsIt)
{
    MakeMain();
    Font().Color = 0x123456;
    main->State.SettingsDirty = false;
    {
        DialogDriver d(ColorFrm, [] {
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

    Font().Name = "Stand In";
    {
        DialogDriver d(NameFrm, [&] {
            EXPECT_EQ(list->currentIndex(), list->count() - 1);
            list->setCurrentIndex(0);
            NameFrm->Save->click();
        });
        Page().BtnNameClick();
    }
    EXPECT_EQ(Font().Name, first.substr(0, 31));
    EXPECT_EQ(Page().Pnl_Font->font().family().toStdString(), Font().Name);

    Font().Name = "No Such Face";
    main->State.SettingsDirty = false;
    {
        DialogDriver d(NameFrm, [&] {
            EXPECT_EQ(list->currentIndex(), -1);
            NameFrm->Save->click();
        });
        Page().BtnNameClick();
    }
    EXPECT_EQ(Font().Name, "No Such Face");
    EXPECT_TRUE(main->State.SettingsDirty);

    // Case does not matter.
    Font().Name = last;
    for (char& c : Font().Name) c = char(std::toupper(static_cast<unsigned char>(c)));
    {
        DialogDriver d(NameFrm, [&] {
            EXPECT_EQ(list->currentIndex(), list->count() - 1);
            NameFrm->Save->click();
        });
        Page().BtnNameClick();
    }
    EXPECT_EQ(Font().Name, last.substr(0, 31));
}
