#include "library/ui/print.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QTextLayout>

namespace ov {

namespace {
PrintDialogSeam& Seam()
{
    static PrintDialogSeam seam;
    return seam;
}

// The print engine's key for the CUPS job options (key, value, key, ...).
// The dialog stores a chosen page range there as "page-ranges"; CUPS would
// then print only those pages of our single page.
constexpr auto kCupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

void ClearPageRange(QPrinter& printer)
{
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    if (printer.outputFormat() != QPrinter::NativeFormat || !printer.printEngine()) return;
    QStringList options = printer.printEngine()->property(kCupsOptions).toStringList();
    for (qsizetype i = 0; i + 1 < options.size();) {
        if (options[i] == QLatin1String("page-ranges")) options.remove(i, 2);
        else i += 2;
    }
    printer.printEngine()->setProperty(kCupsOptions, options);
}
} // namespace

void SetPrintDialogSeam(PrintDialogSeam seam) { Seam() = std::move(seam); }

bool RunPrintDialog(QPrinter& printer, QWidget* parent)
{
    bool ok = false;
    if (Seam()) {
        ok = Seam()(printer);
    } else {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        ok = dialog.exec() == QDialog::Accepted;
    }
    if (ok) ClearPageRange(printer);
    return ok;
}

QStringList EditorLines(const QString& text)
{
    if (text.isEmpty()) return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

bool PrintLinesOnePage(QPrinter& printer, const QString& title, const QStringList& lines, const QFont& font,
                       const QColor& color)
{
    printer.setDocName(title);
    printer.setFullPage(false); // coordinates from the printable area's corner
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setBackgroundMode(Qt::TransparentMode);
    QFont printFont(font);
    printFont.setPointSizeF(font.pointSizeF() + 2);
    printFont = QFont(printFont, &printer); // points at the printer's resolution
    painter.setFont(printFont);
    painter.setPen(color);
    const QFontMetrics metrics(printFont, &printer);
    const int h = metrics.height();
    const int bottom = printer.height();
    const int right = printer.width() - 30;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qint64 top = 30 + qint64(i) * h;
        if (top >= bottom) break; // off the page: nothing would reach paper
        if (lines[i].isEmpty()) continue;
        // Each line ordered as an editor shows it; a right-to-left one
        // ends at the right margin, as far in as the others start.
        const bool rtl = lines[i].isRightToLeft();
        QTextLayout layout(lines[i], printFont, &printer);
        QTextOption option;
        option.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        layout.endLayout();
        const qreal x = rtl ? right - line.naturalTextWidth() : 30;
        layout.draw(&painter, QPointF(x, int(top) + metrics.ascent() - line.ascent()));
    }
    return painter.end();
}

} // namespace ov
