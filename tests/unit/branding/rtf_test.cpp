#include "branding/ovRtf.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
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
    std::string src = __FILE__;
    src.resize(src.rfind("/tests/unit/"));
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
    std::string src = __FILE__;
    src.resize(src.rfind("/tests/unit/"));
    ASSERT_TRUE(ov::LoadRtfFile(src + "/data/Help/ovHelp.rtf", doc));
    const QString text = doc.toPlainText();
    EXPECT_TRUE(text.contains("Orvella"));
    EXPECT_FALSE(text.contains("\\")); // no control word leaked into the text
    EXPECT_FALSE(text.contains("{"));
    EXPECT_GT(doc.blockCount(), 10);
}

} // namespace
