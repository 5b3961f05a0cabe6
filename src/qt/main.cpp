#include <QApplication>
#include <memory>

#include "qt/MainWindow.h"
#include "qt/QtPlatform.h"
#include "shell/AppState.h"
#include "views/MainWindowPresenter.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantric"));

    auto app = std::make_unique<vantric::AppState>();
    vantric::qt::MainWindow window;
    vantric::qt::QtMessageBox messages(&window);
    vantric::qt::QtProgramHost host;
    vantric::platform::AbsentWindow splash;
    vantric::MainWindowPresenter presenter(*app, window, window.Status(), splash, messages, host);
    if (!presenter.Form_Load()) return EXIT_FAILURE;

    window.show();
    return QApplication::exec();
}
