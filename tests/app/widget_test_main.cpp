// Entry of the widget tests: one QApplication on the offscreen platform, and settings kept in
// a temporary folder so the user's own settings are never read or written.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "widget_test_support.h"

namespace calvex::test {

QString settingsDir() {
    static QTemporaryDir dir;
    return dir.path();
}

}  // namespace calvex::test

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString dir = calvex::test::settingsDir();
    qputenv("XDG_CONFIG_HOME", dir.toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    QApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("Orlesk"));
    app.setApplicationName(QStringLiteral("Calvex"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
