// F1 on a desktop without an RTF viewer, a print command without a printer, and File > Export
// print-out as PDF in the real program, its PDF files read back with poppler's tools.

#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "editing/PrintoutDelivery.h"
#include "qt/DesktopApp.h"
#include "support/FakeShell.h"
#include "support/Fakes.h"

using namespace vantric;

namespace {

struct HelpDesktop {
    HelpDesktop() : program(host, "", true, &desktop) { program.Start(); }
    void trigger(CommandId id) { program.Window().MenuAction(id)->trigger(); }
    QString status() { return program.Window().Status().PanelText(1); }

    fakes::FakeProgramHost host{VANTRIC_DATA_DIR};
    fakes::FakeDesktopServices desktop;
    qt::DesktopApp program;
};

// Exports through the File menu, answering the print-out choice, the file dialog and any message
// box (whose texts it returns). The file dialog remembers the folder: never one with files that
// block a reader (/proc), or the next dialog hangs.
QStringList Export(HelpDesktop& d, const QString& printout, const QString& file) {
    QStringList messages;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* choice = qobject_cast<QInputDialog*>(modal)) choice->setTextValue(printout);
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) dialog->selectFile(file);
        if (auto* box = qobject_cast<QMessageBox*>(modal)) messages << box->text();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->accept();  // QFileDialog's checks the name
    });
    timer.start(5);
    d.trigger(CommandId::ExportPdf);
    return messages;
}

QString Run(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(tool);
    return QString::fromUtf8(process.readAllStandardOutput());
}
QString PdfText(const QString& pdf) { return Run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}); }

}  // namespace

class HelpAndExportWiringTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private slots:
    void f1WithoutAnRtfViewerShowsTheGuideInTheHelpWindow() {
        HelpDesktop d;
        d.desktop.opens = false;
        d.trigger(CommandId::Readme);  // readme.rtf is not there
        QVERIFY(!d.program.Help().isVisible());

        d.desktop.files = {VANTRIC_DATA_DIR "/readme.rtf"};
        d.trigger(CommandId::Readme);
        QVERIFY(d.program.Help().isVisible());
        QCOMPARE(d.program.Help().windowTitle(), QStringLiteral("Vantric user guide"));
        const QString guide = d.program.Help().Text().toPlainText();
        QVERIFY2(guide.startsWith(QStringLiteral("Vantric 1.3.7 \u2013 user guide\n")), qPrintable(guide.left(80)));
        QVERIFY(guide.contains(QStringLiteral("Help > View readme (F1) opens")));
        QVERIFY(guide.contains(QStringLiteral("MVI A,05H        LXI H,2000H      MOV M,A\n")));
    }

    void withoutAPrinterPrintingSaysSoAndEachPrintoutExportsAsThePrintedPdf() {
        HelpDesktop d;
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {  // as on the test machines
            d.trigger(CommandId::PrintOutput);
            QCOMPARE(d.status(), QString::fromLatin1(kNoPrinterText));
        }
        d.program.Window().Editor().SetText("\tMVI A,2AH ; answer\r\nHLT\r\n");
        d.program.Engine().State().Memory[0x2001] = 0x5C;
        const QString printed = dir_.filePath(QStringLiteral("printed.pdf"));
        qputenv("VANTRIC_PRINT_PDF", printed.toLocal8Bit());
        d.trigger(CommandId::PrintCode);
        qunsetenv("VANTRIC_PRINT_PDF");

        const QString listing = dir_.filePath(QStringLiteral("listing.pdf"));
        QVERIFY(Export(d, QStringLiteral("Program listing"), listing).isEmpty());
        QCOMPARE(d.status(), QString::fromLatin1(kExportedText));
        const QString text = PdfText(listing);
        QVERIFY2(text.contains(QStringLiteral("        MVI A,2AH ; answer\nHLT\n\n--- Vantric by Orsolo ---")),
                 qPrintable(text));
        QCOMPARE(text, PdfText(printed));

        const QString registers = dir_.filePath(QStringLiteral("registers"));  // ".pdf" comes from the dialog
        Export(d, QStringLiteral("Registers and memory"), registers);
        QVERIFY(PdfText(registers + ".pdf")
                    .contains(QStringLiteral("RAM contents\n1000:00 2000:00 3000:00\n"
                                             "1001:00 2001:5C 3001:00\n")));
        const QString page = dir_.filePath(QStringLiteral("page"));
        Run(QStringLiteral("pdftoppm"), {"-r", "30", "-png", "-singlefile", registers + ".pdf", page});
        const QImage image(page + QStringLiteral(".png"));
        QVERIFY(!image.isNull());
        int dark = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) dark += qGray(image.pixel(x, y)) < 128;
        QVERIFY(dark > 100);
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files).filter(QStringLiteral(".part")), QStringList());
    }
};

QTEST_MAIN(HelpAndExportWiringTest)
#include "HelpAndExportWiringTest.moc"
