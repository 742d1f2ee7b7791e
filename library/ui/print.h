#pragma once
#include <QFont>
#include <QStringList>
#include <functional>

class QColor;
class QPrinter;
class QWidget;

namespace ov {

// Stands in for the print dialog: receives the printer the dialog would have
// set up and returns false for Cancel. Unset, the system's dialog is shown.
using PrintDialogSeam = std::function<bool(QPrinter&)>;
void SetPrintDialogSeam(PrintDialogSeam seam);

// Lets the user choose printer and copies. The page range is offered, as
// print dialogs do, but cleared afterwards: a list prints on one page.
bool RunPrintDialog(QPrinter& printer, QWidget* parent);

// Prints lines on one page: the font at its point size plus 2 at the
// printer's resolution, line i with its top at 30 + i * h device pixels and
// its left edge at 30 (a right-to-left line: its right edge 30 from the
// printable area's right), on a transparent background. Lines below the
// printable area are not drawn. Returns false when the printer cannot start
// the document.
bool PrintLinesOnePage(QPrinter& printer, const QString& title, const QStringList& lines, const QFont& font,
                       const QColor& color);

// The lines of an editor text with "\n" line breaks: a break at the very
// end adds no line, an empty text has none.
QStringList EditorLines(const QString& text);

} // namespace ov
