#include "calvex_app.h"

#include <QApplication>

#include "app_strings.h"
#include "chart_output.h"
#include "command_line.h"
#include "expansion_dialog.h"
#include "main_frame.h"
#include "point_table_printer.h"

namespace calvex {

void setUpApplication(QApplication& app) {
    app.setOrganizationName(QString::fromLatin1(kOrganization));
    app.setApplicationName(QString::fromLatin1(kApplication));
    app.setApplicationDisplayName(QString::fromLatin1(kAppTitle));
    app.setApplicationVersion(programVersion());
    app.setDesktopFileName(QStringLiteral("calvex"));
}

void useOffscreenPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

int runWithoutWindow(const BatchCommand& command) {
    switch (command.kind) {
        case BatchCommand::Kind::Print: return printFromCommandLine({command.file, command.target});
        case BatchCommand::Kind::Chart: return chartFromCommandLine(command.file, command.target);
        default: return runTextCommand(command);
    }
}

int runCalvex(QApplication& app) {
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
