// Both print-outs of the real program sent to a PDF file and read back with poppler's tools.

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "qt/DesktopFixture.h"

using namespace vantric;
using namespace vantric::testing;

namespace {
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return QStringLiteral("<%1 failed>").arg(tool);
    return QString::fromUtf8(process.readAllStandardOutput());
}
QString PdfText(const QString& pdf) { return Poppler(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}); }
}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString pdf_ = dir_.filePath(QStringLiteral("printout.pdf"));

private slots:
    void init() { qputenv("VANTRIC_PRINT_PDF", pdf_.toLocal8Bit()); }

    void eachPrintoutReplacesThePdfFile() {
        Desktop d;
        std::string program;
        for (int i = 1; i <= 150; ++i)
            program += "\tMVI A," + std::to_string(i) + "H ; line " + std::to_string(i) + "\r\n";
        d.editor().SetText(program);
        d.window().MenuAction(CommandId::PrintCode)->trigger();
        QString text = PdfText(pdf_);
        QVERIFY2(
            text.contains(QStringLiteral("Source code listing for <Unnamed Program>\n\n        MVI A,1H ; line 1\n")),
            qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("MVI A,150H ; line 150\n\n--- Vantric by Orsolo ---")));
        QVERIFY(text.count(QLatin1Char('\f')) >= 3);  // 155 lines run over three pages
        const QString fonts = Poppler(QStringLiteral("pdffonts"), {pdf_});
        QVERIFY2(
            fonts.contains(QStringLiteral("LiberationMono-Bold ")) && fonts.contains(QStringLiteral("LiberationMono ")),
            qPrintable(fonts));

        // A program file with a UTF-8 name, as the caption shows it.
        const QString named = dir_.filePath(QStringLiteral("pr\u00F8g.85"));
        QFile file(named);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("HLT\r\n") == 5);
        file.close();
        d.program.Files().OpenStartupFile(QFile::encodeName(named).toStdString());
        d.program.Engine().State().Register(RegD) = 0xD1;
        d.program.Engine().State().Memory[0x303F] = 0x76;
        d.window().MenuAction(CommandId::PrintOutput)->trigger();
        text = PdfText(pdf_);
        QVERIFY2(
            text.contains(QStringLiteral("Program output for ") + named + QStringLiteral("\n\nRegister contents\n")),
            qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Source code listing")));
        QVERIFY(
            text.contains(QStringLiteral(" D: D1 00 :E\n H: 00 00 :L\nSP: FFF0\nPC: 1000\n\nRAM contents\n"
                                         "1000:00 2000:00 3000:00\n")));
        QVERIFY(text.contains(QStringLiteral("103F:00 203F:00 303F:76\n\n--- Vantric by Orsolo ---")));

        // The page renders, with ink on it.
        const QString prefix = dir_.filePath(QStringLiteral("page"));
        Poppler(QStringLiteral("pdftoppm"), {"-r", "30", "-png", "-singlefile", pdf_, prefix});
        const QImage page(prefix + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        int dark = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) dark += qGray(page.pixel(x, y)) < 128;
        QVERIFY(dark > 100);
    }

    void aRefusedJobIsPassedOverQuietly() {
        const QString unwritable = dir_.filePath(QStringLiteral("missing/printout.pdf"));
        qputenv("VANTRIC_PRINT_PDF", unwritable.toLocal8Bit());
        Desktop d;
        ModalCloser closer(d);
        d.window().MenuAction(CommandId::PrintCode)->trigger();
        d.window().MenuAction(CommandId::PrintOutput)->trigger();
        QVERIFY(closer.messages.isEmpty());
        QVERIFY(!QFile::exists(unwritable));

        qputenv("VANTRIC_PRINT_PDF", pdf_.toLocal8Bit());  // the next job goes through again
        d.window().MenuAction(CommandId::PrintOutput)->trigger();
        QVERIFY(PdfText(pdf_).contains(QStringLiteral("RAM contents")));
    }
};

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
