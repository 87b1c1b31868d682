#include "point_table_printer.h"

#include <QAction>
#include <QFontMetrics>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <algorithm>

#include "calvex_doc.h"
#include "calvex_view.h"
#include "console_prompts.h"
#include "io_box.h"
#include "main_frame.h"
#include "user_prompts.h"

namespace calvex {
namespace {

QString latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

bool isPdfTarget(const QString& target) { return target.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive); }

// Text drawn with its top-left corner at (x, y), as the table places its texts.
void drawTopLeft(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

}  // namespace

QFont pointTableFont() {
    // Where Arial is not installed a font with its metrics takes its place.
    static const bool substituted = [] {
        QFont::insertSubstitutions(QString::fromLatin1(kPrintFontFamily),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
        return true;
    }();
    (void)substituted;
    QFont font(QString::fromLatin1(kPrintFontFamily), kPrintFontPoints);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

PointTablePrinter::PointTablePrinter(const CCalvexDoc& doc, const PropertyFormats& formats)
    : doc_(doc), formats_(formats) {}

TableLayout PointTablePrinter::layoutFor(QPaintDevice& device) const {
    const QFontMetrics fm(pointTableFont(), &device);
    const TextWidth width = [&fm](std::string_view s) {
        return fm.horizontalAdvance(QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())));
    };
    TableMetrics m;
    m.labelWidth = labelColumnWidth(formats_, width);
    m.textHeight = fm.height();
    m.valueWidth = valueColumnWidth(doc_, formats_, width);
    const PageRect page{0, 0, device.width(), device.height()};
    return layoutPointTable(page, m, doc_.GetStoredCount());
}

void PointTablePrinter::paintPage(QPainter& painter, const TableLayout& layout, int page) const {
    const QFontMetrics fm = painter.fontMetrics();
    const QString title = latin1(pointTableTitle(doc_));
    const int middle = painter.device()->width() / 2;
    drawTopLeft(painter, middle - fm.horizontalAdvance(title) / 2, kTitleTop, title);

    const auto rowLabels = pointTableRowLabels(formats_);
    for (const TableBlock& block : blocksOfPage(layout, page, doc_.GetStoredCount())) {
        for (int r = 0; r < kPointTableRows; ++r) {
            drawTopLeft(painter,
                        layout.left,
                        block.top + r * layout.lineHeight,
                        latin1(rowLabels[static_cast<std::size_t>(r)]));
        }
        for (int j = 0; j < block.pointCount; ++j) {
            const auto column = pointTableColumn(doc_, block.firstPoint + j, formats_);
            const int x = valueColumnLeft(layout, j);
            for (int r = 0; r < kPointTableRows; ++r) {
                drawTopLeft(painter, x, block.top + r * layout.lineHeight, latin1(column[static_cast<std::size_t>(r)]));
            }
        }
    }
}

bool PointTablePrinter::print(QPrinter& printer) const {
    const TableLayout layout = layoutFor(printer);
    int first = 1;
    int last = layout.pageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(1, printer.fromPage());
        last = std::min(layout.pageCount, std::max(first, printer.toPage()));
        if (first > last) {
            return true;  // the chosen pages lie past the table's end: nothing to print
        }
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    painter.setFont(pointTableFont());
    for (int page = first; page <= last; ++page) {
        if (page > first) {
            printer.newPage();
        }
        paintPage(painter, layout, page);
    }
    return painter.end();
}

// ---------------------------------------------------------------------------------------------
// Commands

CPointTablePrinting::CPointTablePrinting(CMainFrame& frame)
    : QObject(&frame), frame_(frame), printer_(QPrinter::HighResolution) {}

PointTablePrinter CPointTablePrinting::tablePrinter() const {
    return PointTablePrinter(frame_.document(), frame_.view()->boxFormats());
}

void CPointTablePrinting::Print() {
    const TableLayout layout = tablePrinter().layoutFor(printer_);
    QPrintDialog dialog(&printer_, &frame_);
    dialog.setMinMax(1, layout.pageCount);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (!frame_.prompts().runDialog(dialog)) {
        return;
    }
    if (!tablePrinter().print(printer_)) {
        frame_.prompts().message(&frame_, QString::fromLatin1(kMsgPrintFailed));
    }
}

bool CPointTablePrinting::PrintDirect() { return tablePrinter().print(printer_); }

void CPointTablePrinting::PrintPreview() {
    QPrintPreviewDialog dialog(&printer_, &frame_);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* p) { tablePrinter().print(*p); });
    frame_.prompts().runDialog(dialog);
}

void CPointTablePrinting::PrintSetup() {
    if (printer_.outputFormat() == QPrinter::NativeFormat) {
        QPageSetupDialog dialog(&printer_, &frame_);
        frame_.prompts().runDialog(dialog);
        return;
    }
    // The page setup dialog works only on the platform's printers; with none installed (the
    // PDF printer alone) the print dialog chooses the printer and its paper, and prints nothing.
    QPrintDialog dialog(&printer_, &frame_);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    frame_.prompts().runDialog(dialog);
}

CPointTablePrinting* installPrinting(CMainFrame& frame) {
    auto* printing = new CPointTablePrinting(frame);
    QObject::connect(frame.printAction(), &QAction::triggered, printing, &CPointTablePrinting::Print);
    QObject::connect(frame.printPreviewAction(), &QAction::triggered, printing, &CPointTablePrinting::PrintPreview);
    QObject::connect(frame.printSetupAction(), &QAction::triggered, printing, &CPointTablePrinting::PrintSetup);
    for (QAction* a : {frame.printAction(), frame.printPreviewAction(), frame.printSetupAction()}) {
        a->setEnabled(true);
    }
    return printing;
}

// ---------------------------------------------------------------------------------------------
// Command line

std::optional<PrintRequest> parsePrintRequest(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool printTo = a == QStringLiteral("-pt") || a == QStringLiteral("/pt");
        const bool print = a == QStringLiteral("-p") || a == QStringLiteral("/p");
        if (!print && !printTo) {
            continue;
        }
        PrintRequest r;
        if (i + 1 >= arguments.size()) {
            return std::nullopt;
        }
        r.file = arguments[i + 1];
        if (printTo) {
            if (i + 2 >= arguments.size()) {
                return std::nullopt;
            }
            r.target = arguments[i + 2];
        }
        return r;
    }
    return std::nullopt;
}

int printFromCommandLine(const PrintRequest& request, std::shared_ptr<UserPrompts> prompts) {
    // No window and no settings: the document is read, printed and let go. Every failure is a
    // message (on standard error by default) and the exit status 1.
    if (!prompts) {
        prompts = std::make_shared<ConsolePrompts>();
    }
    CCalvexDoc doc;
    const DocFileResult opened = doc.OnOpenDocument(request.file.toStdString());
    if (!opened.ok) {
        prompts->message(nullptr, aboutFile(request.file, QString::fromStdString(opened.message)));
        return 1;
    }
    QPrinter printer(QPrinter::HighResolution);
    const bool pdf = isPdfTarget(request.target);
    if (pdf) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(request.target);
    } else if (!request.target.isEmpty()) {
        printer.setPrinterName(request.target);
        if (!printer.isValid()) {
            prompts->message(nullptr, aboutFile(request.target, QString::fromLatin1(kMsgNoPrinter)));
            return 1;
        }
    } else if (QPrinterInfo::defaultPrinter().isNull()) {
        prompts->message(nullptr, QString::fromLatin1(kMsgNoPrinter));
        return 1;
    }
    if (!PointTablePrinter(doc, documentFormats(doc)).print(printer)) {
        const QString text = QString::fromLatin1(kMsgPrintFailed);
        prompts->message(nullptr, request.target.isEmpty() ? text : aboutFile(request.target, text));
        return 1;
    }
    return 0;
}

}  // namespace calvex
