// Calvex, the desktop calculator of water and steam properties.
#include <QApplication>

#include "calvex_app.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    calvex::setUpApplication(app);
    return calvex::runCalvex(app);
}
