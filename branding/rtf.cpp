#include "branding/rtf.h"
#include "branding/codepage.h"
#include "branding/regfile.h"
#include "platform/files.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <vector>

namespace ov {
namespace {

// Deeper nesting than any real document; beyond it braces are only counted,
// so a file of nothing but "{" costs no memory.
constexpr size_t kMaxDepth = 1000;

// A table wider than this keeps its extra cells in the last column.
constexpr int kMaxColumns = 64;

enum class Dest { Text, Skip, FontTable, ColorTable };

struct CharState {
    bool bold = false, italic = false, underline = false, strike = false;
    int valign = 0; // -1 sub, 1 super
    int halfPoints = 24;
    int font = -1; // -1: the document's default font
    int color = 0, highlight = 0;
    int uc = 1;    // bytes that stand in for a \u character

    // Same look on the page (uc only affects reading).
    bool SameLook(const CharState& o) const
    {
        return bold == o.bold && italic == o.italic && underline == o.underline && strike == o.strike
            && valign == o.valign && halfPoints == o.halfPoints && font == o.font && color == o.color
            && highlight == o.highlight;
    }
};

struct ParaState {
    Qt::Alignment align = Qt::AlignLeft;
    int li = 0, ri = 0, fi = 0, sb = 0, sa = 0; // twips
    bool intbl = false; // the paragraph belongs to a table cell

    bool operator==(const ParaState&) const = default;
};

struct Group {
    CharState chr;
    ParaState para;
    Dest dest = Dest::Text;
};

bool IsSkippedDestination(std::string_view w)
{
    static const char* const kNames[] = {
        "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf",
        "footer", "footerl", "footerr", "footerf", "footnote", "fldinst", "xe", "tc",
        "listtable", "listoverridetable", "rsidtbl", "themedata", "colorschememapping",
        "latentstyles", "datastore", "generator", "filetbl", "revtbl", "nonshppict",
        "annotation", "atnid", "atnauthor", "private", "template", "docvar", "userprops",
        "falt", "panose", "bkmkstart", "bkmkend", "pgdsctbl", "xmlnstbl", "mmathPr",
        // list and numbering definitions: the text they produce is repeated
        // in \listtext and \pntext groups, which are shown instead
        "pn", "pnseclvl", "pntxta", "pntxtb", "listpicture", "shp", "shpinst", "objdata"};
    return std::any_of(std::begin(kNames), std::end(kNames), [&](const char* n) { return w == n; });
}

class RtfReader {
public:
    RtfReader(std::string_view in, QTextDocument& doc) : in_(in), cursor_(&doc) {}

    void Run()
    {
        // One edit for the whole document: the cursor does not measure its
        // place on screen after each piece of text.
        cursor_.beginEditBlock();
        groups_.push_back(Group());
        while (pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '{') { ++pos_; OpenGroup(); }
            else if (c == '}') { ++pos_; CloseGroup(); }
            else if (c == '\\') { ++pos_; ControlWord(); }
            else { ++pos_; TextByte(static_cast<unsigned char>(c)); }
        }
        Flush();
        // A document that ends without \par keeps the layout its last text had.
        if (lastPara_) cursor_.setBlockFormat(BlockFormat(*lastPara_));
        cursor_.endEditBlock();
    }

private:
    Group& G() { return groups_.back(); }

    void OpenGroup()
    {
        skipChars_ = 0;
        if (groups_.size() >= kMaxDepth) { ++overflow_; return; }
        groups_.push_back(G());
    }

    void CloseGroup()
    {
        skipChars_ = 0;
        if (overflow_ > 0) { --overflow_; return; }
        if (G().dest == Dest::FontTable && !fontName_.empty()) EndFontEntry(); // no ";" before "}"
        if (groups_.size() > 1) groups_.pop_back(); // a stray "}" is ignored
    }

    // One byte of text, or one byte still to be skipped after a \u character.
    bool ConsumeSkip()
    {
        if (skipChars_ <= 0) return false;
        --skipChars_;
        return true;
    }

    void TextByte(unsigned char b)
    {
        if (b == '\r' || b == '\n') return; // line ends in the file carry no meaning
        if (ConsumeSkip()) return;
        if (b < 0x20 && b != '\t') return;  // stray control bytes of a damaged file
        AddByte(b);
    }

    void AddByte(unsigned char b)
    {
        switch (G().dest) {
        case Dest::Skip: return;
        case Dest::ColorTable:
            if (b == ';') EndColorEntry();
            return;
        case Dest::FontTable:
            if (b == ';') EndFontEntry();
            else fontName_ += char(b);
            return;
        case Dest::Text:
            if (groups_.size() < 2) return; // outside the document's group
            StartText();
            bytes_ += char(b);
            return;
        }
    }

    void AddChar(char16_t u)
    {
        if (G().dest != Dest::Text || groups_.size() < 2) return;
        StartText();
        DecodeBytes();
        run_ += QChar(u);
    }

    // Text is gathered while its look stays the same; a change writes out
    // what was gathered. Groups and control words that change nothing
    // visible thus cost nothing.
    void StartText()
    {
        const bool empty = bytes_.empty() && run_.isEmpty();
        if (!empty && runChr_.SameLook(G().chr)) return;
        Flush();
        runChr_ = G().chr;
        runPara_ = G().para;
    }

    int CodePage() const
    {
        const auto it = fontPages_.find(runChr_.font >= 0 ? runChr_.font : deff_);
        return it != fontPages_.end() && it->second != 0 ? it->second : codePage_;
    }

    QString Decode(std::string_view bytes) const { return DecodeCodePage(CodePage(), bytes); }

    void DecodeBytes()
    {
        if (bytes_.empty()) return;
        run_ += Decode(bytes_);
        bytes_.clear();
    }

    // Writes the text gathered under its formatting.
    void Flush()
    {
        DecodeBytes();
        if (run_.isEmpty()) return;
        EnsurePlace(runPara_.intbl);
        lastPara_ = runPara_;
        cursor_.insertText(run_, CharFormat(runChr_));
        run_.clear();
    }

    // Formats are kept for reuse: a format object that is used again need
    // not be hashed again by the document.
    const QTextCharFormat& CharFormat(const CharState& c)
    {
        for (const auto& [state, format] : formats_)
            if (state.SameLook(c)) return format;
        if (formats_.size() >= 32) formats_.erase(formats_.begin());
        formats_.emplace_back(c, MakeCharFormat(c));
        return formats_.back().second;
    }

    QTextCharFormat MakeCharFormat(const CharState& c) const
    {
        QTextCharFormat f;
        f.setFontWeight(c.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(c.italic);
        f.setFontUnderline(c.underline);
        f.setFontStrikeOut(c.strike);
        f.setFontPointSize(c.halfPoints / 2.0);
        if (c.valign != 0)
            f.setVerticalAlignment(c.valign > 0 ? QTextCharFormat::AlignSuperScript
                                                : QTextCharFormat::AlignSubScript);
        const int font = c.font >= 0 ? c.font : deff_;
        const auto it = fonts_.find(font);
        if (it != fonts_.end() && !it->second.isEmpty()) f.setFontFamilies(QStringList {it->second});
        if (c.color > 0 && size_t(c.color) < colors_.size() && colors_[size_t(c.color)].isValid())
            f.setForeground(colors_[size_t(c.color)]);
        if (c.highlight > 0 && size_t(c.highlight) < colors_.size()
            && colors_[size_t(c.highlight)].isValid())
            f.setBackground(colors_[size_t(c.highlight)]);
        return f;
    }

    QTextBlockFormat BlockFormat() const { return BlockFormat(groups_.back().para); }
    static QTextBlockFormat BlockFormat(const ParaState& p)
    {
        QTextBlockFormat f;
        f.setAlignment(p.align);
        // Twips to pixels at 96 dots per inch.
        f.setLeftMargin(p.li / 15.0);
        f.setRightMargin(p.ri / 15.0);
        f.setTextIndent(p.fi / 15.0);
        f.setTopMargin(p.sb / 15.0);
        f.setBottomMargin(p.sa / 15.0);
        // A hanging indent, as lists have: the tab after the bullet or
        // number reaches the text's indent, as in word processors.
        if (p.fi < 0 && p.li > 0) f.setTabPositions({QTextOption::Tab(p.li / 15.0, QTextOption::LeftTab)});
        return f;
    }

    void Paragraph(bool pageBreak = false)
    {
        if (G().dest != Dest::Text || groups_.size() < 2) return;
        Flush();
        EnsurePlace(G().para.intbl);
        // A new block starts with the layout of the one before; most
        // paragraphs keep it, so it is set only where it changed.
        if (pageBreak || !(G().para == blockPara_) || !blockFormatted_) {
            QTextBlockFormat f = BlockFormat();
            if (pageBreak) f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
            cursor_.setBlockFormat(f);
        }
        blockPara_ = G().para;
        blockFormatted_ = true;
        cursor_.insertBlock(BlockFormat());
        lastPara_.reset();
    }

    // Tables. A row is defined by \trowd, its cells end with \cell and the
    // row with \row; text of a paragraph marked \intbl after a finished row
    // starts the next row, any other text leaves the table.
    void EnsurePlace(bool intbl)
    {
        const bool tableText = intbl || rowDefined_;
        if (!table_) {
            if (!tableText) return;
            QTextTableFormat tf;
            tf.setBorder(1);
            tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            tf.setCellSpacing(0);
            tf.setCellPadding(3);
            table_ = cursor_.insertTable(1, std::clamp(cellCount_, 1, kMaxColumns), tf);
            blockFormatted_ = false;
            row_ = col_ = 0;
            rowEnded_ = rowDefined_ = cellMoved_ = false;
            return;
        }
        if (rowEnded_) {
            if (!tableText) {
                cursor_.setPosition(table_->lastPosition() + 1);
                table_ = nullptr;
                blockFormatted_ = false;
                return;
            }
            table_->appendRows(1);
            ++row_;
            col_ = 0;
            rowEnded_ = rowDefined_ = false;
            cellMoved_ = true;
        }
        if (cellMoved_) {
            cellMoved_ = false;
            bool joined = false;
            if (col_ >= table_->columns()) {
                if (col_ < kMaxColumns) table_->appendColumns(col_ + 1 - table_->columns());
                else { col_ = table_->columns() - 1; joined = true; }
            }
            cursor_ = table_->cellAt(row_, col_).lastCursorPosition();
            blockFormatted_ = false;
            if (joined) cursor_.insertText(QStringLiteral("\t"));
        }
    }

    void EndCell()
    {
        if (G().dest != Dest::Text || groups_.size() < 2) return;
        Flush();
        EnsurePlace(G().para.intbl); // a row may start with empty cells
        if (!table_) return;
        // Cells are divided by invisible frame marks only; a screen reader
        // would run one cell's last word into the next one's first.
        const QString text = cursor_.block().text();
        if (!text.isEmpty() && !text.back().isSpace()) cursor_.insertText(QStringLiteral(" "), CharFormat(G().chr));
        ++col_;
        cellMoved_ = true;
    }

    void EndRow()
    {
        if (G().dest != Dest::Text || groups_.size() < 2) return;
        Flush();
        if (table_) rowEnded_ = true;
        rowDefined_ = false;
    }

    void EndFontEntry()
    {
        const int page = CodePageForCharset(fontCharset_);
        const QString name = DecodeCodePage(page != 0 ? page : codePage_, fontName_).trimmed();
        if (!name.isEmpty() && !fonts_.count(fontNumber_)) {
            fonts_[fontNumber_] = name;
            fontPages_[fontNumber_] = page;
        }
        fontName_.clear();
    }

    void EndColorEntry()
    {
        colors_.push_back(colorSet_ ? QColor(red_, green_, blue_) : QColor());
        red_ = green_ = blue_ = 0;
        colorSet_ = false;
    }

    void ControlWord()
    {
        if (pos_ >= in_.size()) return;
        const char c = in_[pos_];
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter) {
            ++pos_;
            ControlSymbol(c);
            return;
        }
        const size_t start = pos_;
        while (pos_ < in_.size() && ((in_[pos_] >= 'a' && in_[pos_] <= 'z') || (in_[pos_] >= 'A' && in_[pos_] <= 'Z')))
            ++pos_;
        const std::string_view word = in_.substr(start, std::min<size_t>(pos_ - start, 32));
        bool hasParam = false;
        bool negative = false;
        long long value = 0;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && in_[pos_ + 1] >= '0' && in_[pos_ + 1] <= '9') {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '9') {
            if (value < 1000000000000LL) value = value * 10 + (in_[pos_] - '0');
            hasParam = true;
            ++pos_;
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        value = std::clamp(negative ? -value : value, -2147483648LL, 2147483647LL);
        const int param = int(value);

        if (word == "bin") { // raw bytes follow, whatever the destination
            const size_t n = hasParam && param > 0 ? size_t(param) : 0;
            pos_ += std::min(n, in_.size() - pos_);
            return;
        }
        if (ConsumeSkip()) return;
        Word(word, hasParam, param);
    }

    void ControlSymbol(char c)
    {
        if (c == '\'') { // a byte in the code page as two hex digits
            int v = 0, digits = 0;
            while (digits < 2 && pos_ < in_.size() && std::isxdigit(static_cast<unsigned char>(in_[pos_]))) {
                const char h = in_[pos_++];
                v = v * 16 + (h <= '9' ? h - '0' : (h | 0x20) - 'a' + 10);
                ++digits;
            }
            if (ConsumeSkip() || digits == 0) return;
            AddByte(static_cast<unsigned char>(v));
            return;
        }
        if (ConsumeSkip()) return;
        switch (c) {
        case '\\': case '{': case '}': AddByte(static_cast<unsigned char>(c)); break;
        case '~': AddChar(0x00A0); break;
        case '_': AddChar(0x2011); break;
        case '-': AddChar(0x00AD); break;
        case '\n': case '\r': Paragraph(); break;
        case '*': G().dest = Dest::Skip; break; // nothing we know hides behind it
        case '\t': AddChar(u'\t'); break;
        default: break;
        }
    }

    void Word(std::string_view w, bool hasParam, int param)
    {
        const bool on = !hasParam || param != 0;
        Group& g = G();
        CharState& chr = g.chr;

        // Words that insert a character or break keep the current run.
        static const std::pair<const char*, char16_t> kChars[] = {
            {"tab", u'\t'}, {"line", 0x2028}, {"emdash", 0x2014}, {"endash", 0x2013},
            {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
            {"enspace", 0x2002}, {"qmspace", 0x2005}, {"zwj", 0x200D}, {"zwnj", 0x200C},
            {"nestcell", u'\t'}, {"nestrow", 0x2028}};
        for (const auto& [name, ch] : kChars)
            if (w == name) { AddChar(ch); return; }
        if (w == "par" || w == "sect") { Paragraph(); return; }
        if (w == "page") { Paragraph(true); return; }
        if (w == "cell") { EndCell(); return; }
        if (w == "row") { EndRow(); return; }
        if (w == "u") {
            AddChar(char16_t(param & 0xFFFF)); // negative values stand for 32768..65535
            skipChars_ = chr.uc;
            return;
        }

        if (w == "fonttbl") { g.dest = Dest::FontTable; fontName_.clear(); return; }
        if (w == "colortbl") { g.dest = Dest::ColorTable; colors_.clear(); return; }
        if (IsSkippedDestination(w)) { g.dest = Dest::Skip; return; }
        if (g.dest == Dest::Skip) return;
        if (g.dest == Dest::ColorTable) {
            const int v = std::clamp(param, 0, 255);
            if (w == "red") { red_ = v; colorSet_ = true; }
            else if (w == "green") { green_ = v; colorSet_ = true; }
            else if (w == "blue") { blue_ = v; colorSet_ = true; }
            return;
        }
        if (g.dest == Dest::FontTable) {
            if (w == "f") { fontNumber_ = param; fontName_.clear(); fontCharset_ = 1; }
            else if (w == "fcharset") fontCharset_ = param;
            return;
        }
        if (w == "ansicpg") { codePage_ = param; return; }
        if (w == "deff") { deff_ = std::max(param, 0); return; }
        if (w == "uc") { chr.uc = std::clamp(param, 0, 10); return; }
        if (w == "b") chr.bold = on;
        else if (w == "i") chr.italic = on;
        else if (w == "ul" || w == "uld" || w == "uldb" || w == "uldash" || w == "ulw" || w == "ulwave"
                 || w == "ulth")
            chr.underline = on;
        else if (w == "ulnone") chr.underline = false;
        else if (w == "strike") chr.strike = on;
        else if (w == "super") chr.valign = 1;
        else if (w == "sub") chr.valign = -1;
        else if (w == "nosupersub") chr.valign = 0;
        else if (w == "fs") chr.halfPoints = hasParam && param > 0 ? std::min(param, 3276) : 24;
        else if (w == "f") chr.font = std::max(param, 0);
        else if (w == "cf") chr.color = std::max(param, 0);
        else if (w == "highlight" || w == "cb") chr.highlight = std::max(param, 0);
        else if (w == "plain") {
            const int uc = chr.uc;
            chr = CharState();
            chr.uc = uc;
        }
        else if (w == "pard") g.para = ParaState();
        else if (w == "intbl") g.para.intbl = true;
        else if (w == "trowd") {
            cellCount_ = 0;
            if (!table_ || rowEnded_) rowDefined_ = true; // else it restates the row being read
        }
        else if (w == "cellx") ++cellCount_;
        else if (w == "ql") g.para.align = Qt::AlignLeft;
        else if (w == "qr") g.para.align = Qt::AlignRight;
        else if (w == "qc") g.para.align = Qt::AlignHCenter;
        else if (w == "qj") g.para.align = Qt::AlignJustify;
        else if (w == "li") g.para.li = Twips(param);
        else if (w == "ri") g.para.ri = Twips(param);
        else if (w == "fi") g.para.fi = Twips(param);
        else if (w == "sb") g.para.sb = Twips(param);
        else if (w == "sa") g.para.sa = Twips(param);
    }

    static int Twips(int v) { return std::clamp(v, -31680, 31680); } // within 22 inches

    std::string_view in_;
    size_t pos_ = 0;
    QTextCursor cursor_;
    std::vector<Group> groups_;
    size_t overflow_ = 0;
    int skipChars_ = 0;
    int codePage_ = 1252;
    std::string bytes_; // undecoded text bytes of the current run
    QString run_;
    std::optional<ParaState> lastPara_; // of the text in the current block
    CharState runChr_;                  // the look of the text being gathered
    ParaState runPara_;
    ParaState blockPara_;               // the layout the current block was given
    bool blockFormatted_ = false;
    std::vector<std::pair<CharState, QTextCharFormat>> formats_;
    std::map<int, QString> fonts_;
    std::map<int, int> fontPages_; // code page of each font, 0 for the document's
    int fontCharset_ = 1;
    int deff_ = 0; // the document's default font
    int fontNumber_ = 0;
    std::string fontName_;
    std::vector<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorSet_ = false;
    QTextTable* table_ = nullptr; // the table being filled
    int row_ = 0, col_ = 0, cellCount_ = 0;
    bool rowEnded_ = false, rowDefined_ = false, cellMoved_ = false;
};

bool LooksLikeRtf(std::string_view data)
{
    if (data.substr(0, 3) == "\xEF\xBB\xBF") data.remove_prefix(3);
    while (!data.empty() && (data[0] == ' ' || data[0] == '\t' || data[0] == '\r' || data[0] == '\n'))
        data.remove_prefix(1);
    return data.substr(0, 5) == "{\\rtf";
}

} // namespace

bool LoadRtf(std::string_view data, QTextDocument& doc)
{
    doc.clear();
    if (!LooksLikeRtf(data)) {
        QString text = QString::fromUtf8(data.data(), qsizetype(data.size()));
        text.replace(QChar(u'\0'), QChar(QChar::ReplacementCharacter));
        doc.setPlainText(text);
        return false;
    }
    // Nobody undoes the loading of a document; recording it would cost
    // more than the loading itself.
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    RtfReader(data, doc).Run();
    doc.setUndoRedoEnabled(undo);
    return true;
}

bool LoadRtfFile(const std::string& path, QTextDocument& doc, std::string* reason)
{
    doc.clear();
    std::string data;
    if (ReadRegularFile(path, data, kRtfFileLimit, reason) != ReadStatus::Ok) return false;
    LoadRtf(data, doc);
    return true;
}

} // namespace ov
