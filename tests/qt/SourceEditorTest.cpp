// The source editor's adapter on a real widget: the logic's CR LF text and positions.

#include <QTextBlock>
#include <QtTest>

#include "qt/SourceEditor.h"

using vantric::qt::SourceEditor;

class SourceEditorTest : public QObject {
    Q_OBJECT
private slots:
    void selectionsCountEachLineBreakAsTwo() {
        SourceEditor editor;
        int changes = 0;
        editor.OnTextChanged([&] { ++changes; });
        editor.SetText("ONE\r\nTWO\r\n\xE9\xA0THREE\r\n");
        QCOMPARE(changes, 1);
        QCOMPARE(editor.blockCount(), 4);
        QCOMPARE(editor.Text(), std::string("ONE\r\nTWO\r\n\xE9\xA0THREE\r\n"));

        editor.SetSelStart(5);
        editor.SetSelLength(5);  // "TWO\r\n"
        QCOMPARE(editor.textCursor().selectedText(), QStringLiteral("TWO") + QChar(0x2029));
        QCOMPARE(editor.SelStart(), 5);
        QCOMPARE(editor.SelLength(), 5);
        QCOMPARE(changes, 1);

        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(8);  // the start of the third line in the widget
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
        QCOMPARE(editor.SelStart(), 10);
        QCOMPARE(editor.SelLength(), 2);

        editor.SetSelStart(1000);
        QCOMPARE(editor.SelStart(), 19);
        QCOMPARE(editor.SelLength(), 0);
    }

    void aSelectedLineFarDownIsScrolledIntoView() {
        SourceEditor editor;
        editor.resize(300, 120);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        std::string text;
        for (int i = 0; i < 200; ++i) text += "LINE " + std::to_string(i) + "\r\n";
        editor.SetText(text);
        const int start = static_cast<int>(text.find("LINE 150\r\n"));
        editor.SetSelStart(start);
        editor.SetSelLength(10);
        const QRect line = editor.cursorRect(editor.textCursor());
        QVERIFY(editor.viewport()->rect().contains(line));
        QCOMPARE(editor.textCursor().block().text(), QStringLiteral("LINE 150"));
    }
};

QTEST_MAIN(SourceEditorTest)
#include "SourceEditorTest.moc"
