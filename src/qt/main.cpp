#include <QApplication>
#include <QFile>
#include <memory>

#include "editing/CommandLine.h"
#include "qt/DesktopApp.h"
#include "qt/QtPlatform.h"
#include "qt/ToolbarIcons.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantric"));
    QApplication::setWindowIcon(vantric::qt::ApplicationIcon());

    // Qt has taken its own options out of the arguments by now.
    std::vector<std::string> arguments;
    const QStringList given = QCoreApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i) arguments.push_back(QFile::encodeName(given[i]).toStdString());

    vantric::qt::QtProgramHost host;
    vantric::qt::DesktopApp desktop(host, vantric::JoinCommandLine(arguments));
    if (!desktop.Start()) return EXIT_FAILURE;
    return QApplication::exec();
}
