#include "app/ui/mainwindow.h"
#include "ui/widgetsupport.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

// A list written in an 8-bit encoding other than UTF-8 goes through the
// editor without losing a byte.
class EditorEncoding : public ovtest::WindowTest {
protected:
    std::string File() { return exe->Read("Affirmations/Cat/latin.txt"); }
};

TEST_F(EditorEncoding, Latin1ListKeepsItsBytesThroughEditAndSave)
{
    exe->MakeCategory("Cat", {{"latin", "caf\xE9\r\nna\xEFve\r\n"}});
    MakeMain();
    Find<QListWidget>("phraseLists")->setCurrentRow(0);
    EXPECT_EQ(Find<QPlainTextEdit>("phraseEditor")->toPlainText(), QString::fromUtf8("caf\u00e9\nna\u00efve\n"));
    Find<QPlainTextEdit>("phraseEditor")->appendPlainText(QStringLiteral("new"));
    Find<QPushButton>("saveMessagesButton")->click();
    EXPECT_EQ(File(), "caf\xE9\r\nna\xEFve\r\n\r\nnew");
}

TEST_F(EditorEncoding, CharactersLatin1CannotHoldTurnTheListIntoUtf8)
{
    exe->MakeCategory("Cat", {{"latin", "caf\xE9"}});
    MakeMain();
    Find<QListWidget>("phraseLists")->setCurrentRow(0);
    Find<QPlainTextEdit>("phraseEditor")->setPlainText(QString::fromUtf8("caf\u00e9 \u20ac"));
    Find<QPushButton>("saveMessagesButton")->click();
    EXPECT_EQ(File(), "caf\xC3\xA9 \xE2\x82\xAC");
}
