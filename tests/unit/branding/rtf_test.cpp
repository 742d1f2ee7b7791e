#include "branding/codepage.h"
#include "branding/rtf.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QStringDecoder>
#include <QTextFragment>
#include <QTextTable>
#include <gtest/gtest.h>
#include <random>

namespace {

// Text layout needs a GUI application; the offscreen platform needs no display.
void EnsureGui()
{
    static int argc = 1;
    static char name[] = "unit_branding";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}

struct Piece {
    QString text;
    QTextCharFormat fmt;
};

class Rtf : public ::testing::Test {
protected:
    void SetUp() override { EnsureGui(); }

    bool Load(std::string_view rtf)
    {
        const bool wasRtf = ov::LoadRtf(rtf, doc);
        pieces.clear();
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                pieces.push_back({it.fragment().text(), it.fragment().charFormat()});
        return wasRtf;
    }
    // The formatted run with exactly this text; fails the test when missing.
    const QTextCharFormat& Fmt(const QString& text) const
    {
        for (const Piece& p : pieces)
            if (p.text == text) return p.fmt;
        ADD_FAILURE() << "no run " << text.toStdString();
        static const QTextCharFormat none;
        return none;
    }
    QStringList Blocks() const
    {
        QStringList out;
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) out << b.text();
        return out;
    }

    QTextDocument doc;
    std::vector<Piece> pieces;
};

TEST_F(Rtf, CharacterFormattingRunsAndResets)
{
    ASSERT_TRUE(Load("{\\rtf1\\ansi plain \\b bold\\b0  \\i it\\i0  \\ul under\\ul0  "
                     "{\\b\\fs40 big} after \\b x\\plain  reset}"));
    EXPECT_EQ(doc.toPlainText(), "plain bold it under big after x reset");
    EXPECT_EQ(Fmt("plain ").fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(Fmt("plain ").fontPointSize(), 12.0); // the default 24 half-points
    EXPECT_EQ(Fmt("bold").fontWeight(), QFont::Bold);
    EXPECT_TRUE(Fmt("it").fontItalic());
    EXPECT_FALSE(Fmt("it").fontUnderline());
    EXPECT_TRUE(Fmt("under").fontUnderline());
    EXPECT_EQ(Fmt("big").fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(Fmt("big").fontPointSize(), 20.0);
    // The group's formatting ended with the group.
    EXPECT_EQ(Fmt(" after ").fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(Fmt(" after ").fontPointSize(), 12.0);
    EXPECT_EQ(Fmt("x").fontWeight(), QFont::Bold);
    EXPECT_EQ(Fmt(" reset").fontWeight(), QFont::Normal);
}

TEST_F(Rtf, FontAndColourTables)
{
    ASSERT_TRUE(Load("{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman{\\*\\panose 0}Times New Roman;}}"
                     "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
                     "dflt \\f0 arial \\cf1 red\\cf2  navy\\cf0  auto \\f7 unknown}"));
    EXPECT_EQ(Fmt("dflt ").fontFamilies().toStringList(), QStringList {"Times New Roman"});
    EXPECT_EQ(Fmt("arial ").fontFamilies().toStringList(), QStringList {"Arial"});
    EXPECT_EQ(Fmt("red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(Fmt(" navy").foreground().color(), QColor(0, 0, 128));
    EXPECT_FALSE(Fmt(" auto ").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(Fmt("unknown").hasProperty(QTextFormat::FontFamilies));
}

TEST_F(Rtf, ParagraphsBreaksAndAlignment)
{
    ASSERT_TRUE(Load("{\\rtf1\\pard\\qc Title\\par\\pard one\\line two\\tab three\\par\\qr right\\par\\qj\r\nlast}"));
    EXPECT_EQ(Blocks(), (QStringList {"Title", QString("one") + QChar(0x2028) + "two\tthree", "right", "last"}));
    QTextBlock b = doc.begin();
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    b = b.next();
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    b = b.next();
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    b = b.next();
    EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
}

TEST_F(Rtf, EscapesCodePageBytesAndUnicode)
{
    ASSERT_TRUE(Load("{\\rtf1\\ansi\\ansicpg1252 a\\{b\\}c\\\\d \\'e9\\'80\\'93x"
                     " \\u8364?\\uc2\\u-3913\\'3f\\'3fz{\\uc0\\u233 !}\\u233?}"));
    // Minus 3913 is U+F0B7; uc2 makes the two escaped bytes its stand-ins, uc0 none.
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("a{b}c\\d \u00e9\u20ac\u201cx \u20ac") + QChar(0xF0B7)
                                     + QString::fromUtf8("z\u00e9!\u00e9"));
}

TEST_F(Rtf, CyrillicFromTheDocumentOrTheFontCharacterSet)
{
    // "Привет, мир" in Windows-1251, first as the document's code page, then
    // in a Western document through a font with the Cyrillic character set.
    const QString hello = QString::fromUtf8("\u041f\u0440\u0438\u0432\u0435\u0442, \u043c\u0438\u0440 \u0401\u0451\u2116");
    ASSERT_TRUE(Load("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2, \\'ec\\'e8\\'f0 \\'a8\\'b8\\'b9\\par}"));
    EXPECT_EQ(Blocks().first(), hello);
    ASSERT_TRUE(Load("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset204 Arial CYR;}}"
                     "\\'e9 {\\f1 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2, \\'ec\\'e8\\'f0 \\'a8\\'b8\\'b9} \\'e9}"));
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8("\u00e9 ") + hello + QString::fromUtf8(" \u00e9"));
    EXPECT_EQ(Fmt(hello).fontFamilies().toStringList(), QStringList {"Arial CYR"});
}

TEST_F(Rtf, OwnCodePageTablesAgreeWithTheSystemConverter)
{
    for (const int page : {1251, 1252}) {
        QStringDecoder sys(("windows-" + std::to_string(page)).c_str());
        if (!sys.isValid()) continue; // nothing to compare with on this system
        for (int b = 0x20; b < 0x100; ++b) {
            const char c = char(b);
            const QString ours = ov::DecodeCodePage(page, std::string_view(&c, 1));
            QString theirs = sys.decode(QByteArrayView(&c, 1));
            if (theirs == QString(QChar::ReplacementCharacter)) continue; // bytes with no character
            EXPECT_EQ(ours, theirs) << "code page " << page << " byte " << b;
        }
    }
}

TEST_F(Rtf, ListsShowTheirBulletsAndNumbersOnce)
{
    // As a word processor writes them: list definitions in the list table,
    // the shown text in \listtext; the older \pntext with its \pn definition.
    ASSERT_TRUE(Load("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}"
                     "{\\*\\listtable{\\list{\\listlevel{\\leveltext\\'01\\u-3913 ?;}}\\listid1}}"
                     "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}"
                     "{\\listtext\\pard\\plain\\f1 \\'b7\\tab}\\ls1\\li720\\fi-360 apples\\par"
                     "{\\listtext\\pard\\plain\\f1 \\'b7\\tab}\\ls1 pears\\par\\pard "
                     "{\\pntext\\f0 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxta .}}one\\par"
                     "{\\pntext\\f0 2.\\tab}{\\pn\\pnlvlcont{\\pntxtb x}}two\\par}"));
    const QString bullet = QString(QChar(0x2022)) + "\t";
    EXPECT_EQ(Blocks().mid(0, 4), (QStringList {bullet + "apples", bullet + "pears", "1.\tone", "2.\ttwo"}));
    EXPECT_DOUBLE_EQ(doc.begin().blockFormat().leftMargin(), 48.0); // 720 twips
    // The tab after the bullet reaches the hanging indent.
    ASSERT_EQ(doc.begin().blockFormat().tabPositions().size(), 1);
    EXPECT_DOUBLE_EQ(doc.begin().blockFormat().tabPositions()[0].position, 48.0);
}

TEST_F(Rtf, TablesKeepCellsAndRowsApart)
{
    ASSERT_TRUE(Load("{\\rtf1 Before\\par"
                     "\\trowd\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl {\\b Name}\\cell Size\\cell\\cell"
                     "\\trowd\\cellx2000\\cellx4000\\cellx6000\\row"
                     "\\trowd\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl one\\par two\\cell 12\\cell x\\cell\\row"
                     "\\pard After\\par}"));
    QTextTable* table = nullptr;
    for (QTextFrame* f : doc.rootFrame()->childFrames())
        if ((table = qobject_cast<QTextTable*>(f))) break;
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(table->columns(), 3);
    auto cell = [&](int r, int c) {
        QTextCursor cur = table->cellAt(r, c).firstCursorPosition();
        cur.setPosition(table->cellAt(r, c).lastPosition(), QTextCursor::KeepAnchor);
        return cur.selectedText();
    };
    // Each filled cell ends in a space, so text read across cells (as a
    // screen reader does) keeps them apart.
    EXPECT_EQ(cell(0, 0), "Name ");
    EXPECT_EQ(cell(0, 1), "Size ");
    EXPECT_EQ(cell(0, 2), "");
    EXPECT_EQ(cell(1, 0), QString("one") + QChar(QChar::ParagraphSeparator) + "two ");
    EXPECT_EQ(cell(1, 2), "x ");
    EXPECT_EQ(Fmt("Name").fontWeight(), QFont::Bold);
    const QString text = doc.toPlainText();
    EXPECT_TRUE(text.startsWith("Before\n"));
    EXPECT_TRUE(text.trimmed().endsWith("After"));
    EXPECT_LT(text.indexOf("Size"), text.indexOf("one"));
}

TEST_F(Rtf, TablesFromDamagedRowsStayBounded)
{
    // More cells than any row defines, a row without \trowd, text straight after a row.
    std::string wide = "{\\rtf1\\trowd\\cellx100\\intbl ";
    for (int i = 0; i < 500; ++i) wide += "c\\cell ";
    wide += "\\row\\intbl again\\cell\\row\\pard tail}";
    ASSERT_TRUE(Load(wide));
    QTextTable* table = qobject_cast<QTextTable*>(doc.rootFrame()->childFrames().value(0));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columns(), 64);
    EXPECT_EQ(table->rows(), 2);
    EXPECT_EQ(doc.toPlainText().count('c'), 500);
    EXPECT_TRUE(doc.toPlainText().trimmed().endsWith("tail"));
}

TEST_F(Rtf, PageBreaksAndUnderlineStyles)
{
    ASSERT_TRUE(Load("{\\rtf1 one\\page two \\uldb dbl\\ulnone  plain\\par}"));
    EXPECT_EQ(Blocks().mid(0, 2), (QStringList {"one", "two dbl plain"}));
    EXPECT_EQ(doc.begin().blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_AlwaysAfter);
    EXPECT_EQ(doc.begin().next().blockFormat().pageBreakPolicy(), QTextFormat::PageBreak_Auto);
    EXPECT_TRUE(Fmt("dbl").fontUnderline());
    EXPECT_FALSE(Fmt(" plain").fontUnderline());
}

TEST_F(Rtf, IgnorableDestinationsAndBinaryDataAreSkipped)
{
    ASSERT_TRUE(Load("{\\rtf1{\\info{\\title Secret}}{\\stylesheet{\\s0 Normal;}}"
                     "{\\*\\generator Writer;}{\\*\\unknownthing hidden}"
                     "A{\\pict\\pngblip 89504e47{\\b nested}}B{\\*\\x \\bin4 }}{{}\\b C}"));
    EXPECT_EQ(doc.toPlainText(), "ABC");
    EXPECT_EQ(Fmt("C").fontWeight(), QFont::Bold);
}

TEST_F(Rtf, DamagedInputNeverFails)
{
    // Unbalanced braces, stray closers, cut-off control words and escapes.
    EXPECT_TRUE(Load("{\\rtf1 open {\\b bold"));
    EXPECT_EQ(doc.toPlainText(), "open bold");
    EXPECT_TRUE(Load("{\\rtf1 a}}} b {\\"));
    EXPECT_EQ(doc.toPlainText(), "a");
    EXPECT_TRUE(Load("{\\rtf1 x\\'"));
    EXPECT_EQ(doc.toPlainText(), "x");
    EXPECT_TRUE(Load("{\\rtf1 \\fs99999999999999999999 \\u99999999999 \\bin-5 \\binABC y}"));
    // Deep nesting and binary noise.
    std::string deep = "{\\rtf1 " + std::string(200000, '{') + "deep" + std::string(200000, '}') + "}";
    EXPECT_TRUE(Load(deep));
    EXPECT_EQ(doc.toPlainText(), "deep");
    std::string noise = "{\\rtf1 ";
    for (int i = 0; i < 100000; ++i) noise += char((i * 7919) & 0xFF);
    EXPECT_TRUE(Load(noise));
}

TEST_F(Rtf, MutatedDocumentsStillLoad)
{
    const std::string src = OV_SOURCE_DIR;
    QFile f(QString::fromStdString(src + "/data/Help/ovHelp.rtf"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const std::string base = f.readAll().toStdString();
    std::mt19937 rng(20261208);
    for (int round = 0; round < 300; ++round) {
        std::string s = base;
        const int edits = 1 + int(rng() % 20);
        for (int e = 0; e < edits && !s.empty(); ++e) {
            const size_t at = rng() % s.size();
            switch (rng() % 3) {
            case 0: s[at] = char(rng()); break;
            case 1: s.erase(at, rng() % 40); break;
            default: s.insert(at, 1, "{}\\'0u-;"[rng() % 9]); break;
            }
        }
        s.resize(s.size() - rng() % std::max<size_t>(1, s.size() / 4)); // cut short too
        Load(s);
        // Every character shown comes from at least one byte of input.
        ASSERT_LE(size_t(doc.characterCount()), s.size() + 1) << "round " << round;
    }
    EXPECT_TRUE(Load(base)); // the reader is left in no bad state
}

TEST_F(Rtf, TextThatIsNotRtfLoadsAsPlainText)
{
    EXPECT_FALSE(Load("Just some help.\n{not rtf} \\b here"));
    EXPECT_EQ(doc.toPlainText(), "Just some help.\n{not rtf} \\b here");
    using namespace std::string_literals;
    EXPECT_FALSE(Load("\x7f" "ELF\0\0\x01garbage"s));
    EXPECT_FALSE(doc.toPlainText().isEmpty());
    EXPECT_FALSE(Load(""));
    EXPECT_TRUE(doc.isEmpty());
}

TEST_F(Rtf, LoadsAFileAndRefusesWhatItCannotRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("h.rtf");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("{\\rtf1 Help\\par}");
    f.close();
    std::string reason;
    EXPECT_TRUE(ov::LoadRtfFile(path.toStdString(), doc, &reason));
    EXPECT_EQ(Blocks().first(), "Help");
    EXPECT_FALSE(ov::LoadRtfFile(dir.filePath("none.rtf").toStdString(), doc, &reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(doc.isEmpty());
    EXPECT_FALSE(ov::LoadRtfFile(dir.path().toStdString(), doc, &reason));
}

TEST_F(Rtf, ShippedHelpDocumentReadsAsFormattedText)
{
    const std::string src = OV_SOURCE_DIR;
    ASSERT_TRUE(ov::LoadRtfFile(src + "/data/Help/ovHelp.rtf", doc));
    const QString text = doc.toPlainText();
    EXPECT_TRUE(text.contains("Orvella"));
    EXPECT_FALSE(text.contains("\\")); // no control word leaked into the text
    EXPECT_FALSE(text.contains("{"));
    EXPECT_GT(doc.blockCount(), 10);
}

// The help and the manual page tell each way of running where the files
// live and what closing the window does, with the captions the program shows.
TEST_F(Rtf, ShippedHelpAndManualPageMatchTheProgram)
{
    const std::string src = OV_SOURCE_DIR;
    ASSERT_TRUE(ov::LoadRtfFile(src + "/data/Help/ovHelp.rtf", doc));
    const QString help = doc.toPlainText().simplified();
    QFile manFile(QString::fromStdString(src + "/data/linux/orvella.1"));
    ASSERT_TRUE(manFile.open(QIODevice::ReadOnly));
    const QString man = QString::fromUtf8(manFile.readAll()).simplified();
    for (const char* text : {"~/.config/orvella/Orvella.ini", "~/.local/share/orvella/Affirmations",
                             "Without a notification area", "closing it ends Orvella"})
        EXPECT_TRUE(help.contains(text)) << text;
    EXPECT_TRUE(man.contains("\"Start Orvella when I log in\"")) << man.toStdString();
    EXPECT_FALSE(man.contains("Windows"));
}

} // namespace
