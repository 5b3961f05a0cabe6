#include <QtTest>

#include "qt/MainWindow.h"
#include "qt/QtPlatform.h"
#include "shell/AppState.h"
#include "support/Fakes.h"
#include "views/MainWindowPresenter.h"

using namespace vantric;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithUntitledCaptionAndLoaderMessage() {
        auto app = std::make_unique<AppState>();
        qt::MainWindow window;
        qt::QtMessageBox messages(&window);
        fakes::FakeProgramHost host(VANTRIC_DATA_DIR);
        platform::AbsentWindow splash;
        MainWindowPresenter presenter(*app, window, window.Status(), splash, messages, host);
        QVERIFY(presenter.Form_Load());
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Vantric - [untitled]"));
        QCOMPARE(window.Status().PanelText(1), QStringLiteral("Finished loading instruction set"));
        QCOMPARE(window.Status().PanelText(2), QStringLiteral("T states : N/A"));
        QCOMPARE(window.Status().PanelText(3), QStringLiteral("INS"));
        QCOMPARE(window.Status().PanelText(4), QStringLiteral("CAPS"));
        QCOMPARE(window.Status().PanelText(5), QStringLiteral("NUM"));
        QCOMPARE(app->Processor.StackPointer, 0xFFF0);
        QCOMPARE(app->Instructions[0x76].Mnemonic, std::string("HLT"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
