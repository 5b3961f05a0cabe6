// The splash window, the about box and Help > View readme in the real program, with the desktop's
// services replaced by a fake.

#include <QApplication>
#include <QSysInfo>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "qt/DesktopApp.h"
#include "support/FakeShell.h"
#include "support/Fakes.h"

using namespace vantric;

namespace {

struct ShellDesktop {
    ShellDesktop() : program(host, "", true, &desktop), started(program.Start()) {}
    qt::SplashWindow& splash() { return program.Splash(); }
    bool editorHasFocus() { return program.Window().focusWidget() == &program.Window().Editor(); }

    fakes::FakeProgramHost host{VANTRIC_DATA_DIR};
    fakes::FakeDesktopServices desktop;
    qt::DesktopApp program;
    bool started;
};

// Opens the about box with Help > About, does `act` in it and tells how the box was left: "closed",
// "open" (it is then closed, so the test goes on) or "not shown".
QString AboutAfter(ShellDesktop& d, const std::function<void(qt::AboutBox&)>& act) {
    qt::AboutBox& box = d.program.About();
    QString state = QStringLiteral("not shown");
    QTimer::singleShot(0, &box, [&] {
        if (!box.isVisible()) return;
        act(box);
        state = box.isVisible() ? QStringLiteral("open") : QStringLiteral("closed");
        box.hide();
    });
    d.program.Window().MenuAction(CommandId::About)->trigger();
    return state;
}

}  // namespace

class ShellWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void splashIsCentredOnTopAndClosesOnAClick() {
        ShellDesktop d;
        QVERIFY(d.started);
        qt::SplashWindow& splash = d.splash();
        QVERIFY(splash.isVisible());
        QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash.pos(), QPoint((d.program.Window().ScreenWidth() - splash.width()) / 2,
                                      (d.program.Window().ScreenHeight() - splash.height()) / 2));
        QCOMPARE(splash.Title() + "|" + splash.Version(), QStringLiteral("Vantric|Version 1.3.7"));
        QCOMPARE(splash.PlatformNote(), QSysInfo::prettyProductName());

        QTest::mouseClick(&splash, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QVERIFY(!splash.isVisible());
        QVERIFY(d.editorHasFocus());
    }

    void splashClosesOnAKeyOrAClickOnTheMainWindow() {
        ShellDesktop first;
        QTest::keyClick(&first.splash(), Qt::Key_Space);
        QVERIFY(!first.splash().isVisible());
        QVERIFY(first.editorHasFocus());

        // A window manager's late activation of the main window is no reason to close it.
        ShellDesktop second;
        second.program.Window().activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == &second.program.Window());
        QVERIFY(second.splash().isVisible());
        QTest::mouseClick(&second.program.Window().Editor(), Qt::LeftButton);
        QVERIFY(!second.splash().isVisible());
        QVERIFY(second.editorHasFocus());
    }

    void aboutBoxClosesWithEnterEscapeAndOk() {
        ShellDesktop d;
        qt::AboutBox& box = d.program.About();
        QCOMPARE(box.windowTitle(), QStringLiteral("About Vantric"));
        QCOMPARE(box.TitleLabel().text() + "|" + box.VersionLabel().text(), QStringLiteral("Vantric|Version 1.3.7"));
        QCOMPARE(AboutAfter(d, [](qt::AboutBox& shown) { QTest::keyClick(&shown, Qt::Key_Return); }), "closed");
        QCOMPARE(AboutAfter(d, [](qt::AboutBox& shown) { QTest::keyClick(&shown, Qt::Key_Escape); }), "closed");
        QCOMPARE(AboutAfter(d, [](qt::AboutBox& shown) { QTest::mouseClick(&shown.OkButton(), Qt::LeftButton); }),
                 "closed");
    }

    void systemInfoStartsTheToolFoundOnThePath() {
        ShellDesktop d;
        d.desktop.searchPath = "/usr/local/bin:/usr/bin";
        d.desktop.programs = {"/usr/bin/kinfocenter"};
        QCOMPARE(
            AboutAfter(d, [](qt::AboutBox& shown) { QTest::mouseClick(&shown.SystemInfoButton(), Qt::LeftButton); }),
            "open");
        QCOMPARE(d.desktop.started, std::vector<std::string>{"/usr/bin/kinfocenter"});
    }

    void f1AsksTheDesktopToOpenTheReadme() {
        ShellDesktop d;
        d.desktop.files = {VANTRIC_DATA_DIR "/readme.rtf"};
        d.program.Window().activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == &d.program.Window());
        QTest::keyClick(&d.program.Window(), Qt::Key_F1);
        QCOMPARE(d.desktop.opened, std::vector<std::string>{VANTRIC_DATA_DIR "/readme.rtf"});
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "ShellWindowsTest.moc"
