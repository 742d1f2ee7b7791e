#include "app/ui/ovMain.h"
#include "library/ui/ovMessagesPage.h"
#include "ui/ovWidgetSupport.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

// A list written in an 8-bit encoding other than UTF-8 goes through the
// editor without losing a byte.
class EditorEncoding : public ovtest::FormTest {
protected:
    TMessagesPage& Page() { return *main->MessagesPage; }
    std::string File() { return exe->Read("Affirmations/Cat/latin.txt"); }
};

TEST_F(EditorEncoding, Latin1ListKeepsItsBytesThroughEditAndSave)
{
    exe->MakeCategory("Cat", {{"latin", "caf\xE9\r\nna\xEFve\r\n"}});
    MakeMain();
    Page().AffirmList->setCurrentRow(0);
    EXPECT_EQ(Page().MsgList->toPlainText(), QString::fromUtf8("caf\u00e9\nna\u00efve\n"));
    Page().MsgList->appendPlainText(QStringLiteral("new"));
    Page().btn_SaveMsgs->click();
    EXPECT_EQ(File(), "caf\xE9\r\nna\xEFve\r\n\r\nnew");
}

TEST_F(EditorEncoding, CharactersLatin1CannotHoldTurnTheListIntoUtf8)
{
    exe->MakeCategory("Cat", {{"latin", "caf\xE9"}});
    MakeMain();
    Page().AffirmList->setCurrentRow(0);
    Page().MsgList->setPlainText(QString::fromUtf8("caf\u00e9 \u20ac"));
    Page().btn_SaveMsgs->click();
    EXPECT_EQ(File(), "caf\xC3\xA9 \xE2\x82\xAC");
}
