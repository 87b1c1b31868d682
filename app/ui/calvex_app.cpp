#include "calvex_app.h"

#include <QApplication>

#include "app_strings.h"
#include "main_frame.h"

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
    auto* frame = new CMainFrame;
    frame->setAttribute(Qt::WA_DeleteOnClose);
    if (!frame->startUp(parseCommandLine(QApplication::arguments()))) {
        delete frame;
        return 1;
    }
    frame->show();
    return app.exec();
}

}  // namespace calvex
