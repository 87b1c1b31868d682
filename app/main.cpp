// Calvex, the desktop calculator of water and steam properties.
#include <QApplication>

#include "calvex_app.h"
#include "command_line.h"

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const calvex::BatchCommand command = calvex::parseBatchCommand(arguments);
    using Kind = calvex::BatchCommand::Kind;
    if (command.kind == Kind::Help || command.kind == Kind::Version || command.kind == Kind::Invalid) {
        return calvex::runTextCommand(command);
    }
    if (command.kind != Kind::Window) {
        // A request without a window needs no display: it draws on the offscreen platform unless
        // the environment names another.
        calvex::useOffscreenPlatform();
    }
    QApplication app(argc, argv);
    calvex::setUpApplication(app);
    if (command.kind != Kind::Window) {
        return calvex::runWithoutWindow(command);
    }
    return calvex::runCalvex(app);
}
