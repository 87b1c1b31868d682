// Printing of the stored points as a table: File > Print, Print Preview and Print Setup, the
// print command of the command line, and printing into a PDF file.
//
// One paint routine serves the printer, the preview and the PDF: it selects the print font
// (Arial 10 pt, or a font with Arial's metrics such as Liberation Sans), measures the texts in
// the printer's device units, lays the table out (layoutPointTable) and draws the title and the
// blocks of each page.
#pragma once

#include <QFont>
#include <QObject>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "print_layout.h"

class QPainter;
class QPaintDevice;

namespace calvex {

class CCalvexDoc;
class CMainFrame;
class UserPrompts;

// The print font: Arial at 10 points.
QFont pointTableFont();

// The table of one document with the formats of the form's boxes.
class PointTablePrinter {
  public:
    PointTablePrinter(const CCalvexDoc& doc, const PropertyFormats& formats);

    // The layout on a device: its printable area from (0, 0) to its width and height in device
    // units, the texts measured in the print font on that device.
    TableLayout layoutFor(QPaintDevice& device) const;

    // Prints the pages of the printer's page range (every page when no range is chosen) onto
    // it; false when painting cannot begin (no output, no printer).
    bool print(QPrinter& printer) const;

    // Draws page `page` (1-based) of `layout`: the title, then its blocks. The painter's font
    // must be the print font.
    void paintPage(QPainter& painter, const TableLayout& layout, int page) const;

  private:
    const CCalvexDoc& doc_;
    PropertyFormats formats_;
};

// The commands of the File menu, connected to the frame's Print, Print Preview and Print Setup
// actions. The printer is kept between commands, so Print Setup's choices hold for printing.
class CPointTablePrinting : public QObject {
    Q_OBJECT

  public:
    explicit CPointTablePrinting(CMainFrame& frame);

    // The print dialog, then the table on the chosen printer and pages.
    void Print();
    // The preview window of the table on the current printer.
    void PrintPreview();
    // The page setup dialog of the current printer (the print dialog, printing nothing, where
    // only the PDF printer exists).
    void PrintSetup();
    // The table onto the current printer without a dialog; false when painting cannot begin.
    bool PrintDirect();

    QPrinter& printer() noexcept { return printer_; }

  private:
    PointTablePrinter tablePrinter() const;

    CMainFrame& frame_;
    QPrinter printer_;
};

// Creates the printing commands of a frame and connects and enables its actions. The object
// lives as a child of the frame.
CPointTablePrinting* installPrinting(CMainFrame& frame);

// A print request of the command line: "-p file" prints the document on the default printer,
// "-pt file target" on the printer named target, or into a PDF file when target ends in ".pdf"
// ("/p" and "/pt" are read the same).
struct PrintRequest {
    QString file;
    QString target;  // empty: the default printer
};
std::optional<PrintRequest> parsePrintRequest(const QStringList& arguments);

// Prints a document named on the command line without a window; returns the exit code of the
// program (0 printed; 1 when the document cannot be opened or printed, after its message). The
// messages go to `prompts`, by default to standard error (ConsolePrompts): nothing waits for a
// user.
int printFromCommandLine(const PrintRequest& request, std::shared_ptr<UserPrompts> prompts = nullptr);

// The texts of the printing messages.
inline constexpr const char* kMsgNoPrinter = "No printer is available to print the document.";
inline constexpr const char* kMsgPrintFailed = "The document could not be printed.";

}  // namespace calvex
