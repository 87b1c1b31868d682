#include "calvex_app.h"

#include <QApplication>

#include "app_strings.h"
#include "expansion_dialog.h"
#include "main_frame.h"
#include "point_table_printer.h"

namespace calvex {

void setUpApplication(QApplication& app)
{
    app.setOrganizationName(QString::fromLatin1(kOrganization));
    app.setApplicationName(QString::fromLatin1(kApplication));
    app.setApplicationDisplayName(QString::fromLatin1(kAppTitle));
    app.setDesktopFileName(QStringLiteral("calvex"));
}

int runCalvex(QApplication& app)
{
    // "-p file" (or "-pt file target") prints the document without showing the window.
    if (const auto request = parsePrintRequest(QApplication::arguments())) {
        return printFromCommandLine(*request);
    }
    auto* frame = new CMainFrame;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    installExpansionTool(*frame);
    installPrinting(*frame);
    if (!frame->startUp(parseCommandLine(QApplication::arguments()))) {
        delete frame;
        return 1;
    }
    frame->show();
    return app.exec();
}

}  // namespace calvex
