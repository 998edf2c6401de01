#include "GuiTestSupport.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"

#include <QFontMetrics>
#include <QLabel>
#include <QtTest>
#include <memory>

using guitest::BoxRecorder;
using guitest::child;
using guitest::setField;

// Whatever the user types reaches the event panel as it is. It must show there as the
// literal text, and no length of it may change the window.
class TypedTextDisplayTest : public QObject {
    Q_OBJECT

    QLabel* label(const char* name) { return child<QLabel>(m_window, name); }
    // Each nested layout passes its request for more room one event later.
    static void settleLayouts() {
        for (int level = 0; level < 5; ++level) {
            QApplication::processEvents();
        }
    }
    static int literalWidth(const QLabel* label, const QString& text) {
        return label->fontMetrics().horizontalAdvance(text);
    }

private slots:
    void init() {
        m_windows = std::make_unique<ui::ApplicationWindows>();
        m_window = &m_windows->form1();
        m_window->show();
        settleLayouts();
    }
    void cleanup() { m_windows.reset(); }

    void tenThousandDigitsLeaveTheWindowAsItWas() {
        BoxRecorder boxes;
        const QSize before = m_window->size();
        const QWidget* panel = child<QWidget>(m_window, "GroupBox3");
        const QSize panelBefore = panel->minimumSizeHint();
        const QString digits(10000, QLatin1Char('9'));
        for (const char* edit :
             {"Edit1", "Edit2", "Edit3", "Edit4", "Edit8", "Edit9", "Edit10", "Edit11"}) {
            setField(m_window, edit, digits);
        }
        settleLayouts();
        QCOMPARE(label("Label22")->text(), digits);
        QCOMPARE(label("Label59")->text(), digits);
        // The room the panel asks for decides whether the window must grow.
        QCOMPARE(panel->minimumSizeHint(), panelBefore);
        QCOMPARE(m_window->size(), before);
        QVERIFY(boxes.boxes().empty());
    }

    void theWidestWholeNumberStillShowsInFull() {
        BoxRecorder boxes;
        const QString widest = QStringLiteral("-2147483648");
        setField(m_window, "Edit5", widest);
        setField(m_window, "Edit9", widest);
        settleLayouts();
        for (const char* name : {"Label73", "Label23"}) {
            QCOMPARE(label(name)->text(), widest);
            QVERIFY2(label(name)->width() >= literalWidth(label(name), widest), name);
        }
        QVERIFY(boxes.boxes().empty());
    }

    void markupIsShownAsTheCharactersTyped() {
        BoxRecorder boxes;
        const QString markup = QStringLiteral("<b>15</b>");
        setField(m_window, "Edit9", markup);
        QCOMPARE(label("Label23")->text(), markup);
        // Laid out as rich text, "<b>15</b>" would take the room of a bold "15" only.
        QVERIFY(label("Label23")->sizeHint().width() >= literalWidth(label("Label23"), markup));
        QVERIFY(boxes.boxes().empty());
    }

    void theErrorBoxShowsTypedMarkupAsItIs() {
        setField(m_window, "Edit1", QStringLiteral("<i>x</i>"));
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        guitest::inspectNextMessageBox([&](QMessageBox* box) {
            shown = box->text();
            format = box->textFormat();
        });
        QTest::mouseClick(child<QPushButton>(m_window, "Button1"), Qt::LeftButton);
        QCOMPARE(shown, QStringLiteral("'<i>x</i>' ist kein gültiger Integerwert."));
        QCOMPARE(format, Qt::PlainText);
    }

    // Typed text appears in the box exactly as typed, unless it holds something that could
    // reorder the sentence: then it is wrapped in FIRST STRONG ISOLATE ... POP DIRECTIONAL
    // ISOLATE, kept whole, and whatever it opens is closed inside.
    void typedBidiControlsStayInsideTheTypedText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        const QString rest = QStringLiteral(" ist kein gültiger Integerwert.");
        for (const char* plain : {"", "15x", "zehn", "12 "}) {
            QTest::newRow(*plain != 0 ? plain : "empty")
                << QString(plain) << QStringLiteral("'%1'").arg(plain) + rest;
        }
        QTest::newRow("override") << QStringLiteral("15\u202e ,nedrow nelhazeb neznarK 0001")
                                  << QStringLiteral("'\u206815\u202e ,nedrow nelhazeb neznarK "
                                                    "0001\u202c\u2069'") +
                                         rest;
        QTest::newRow("stray isolate end")
            << QStringLiteral("\u2069\u202eabc")
            << QStringLiteral("'\u2068\u2068\u2069\u202eabc\u202c\u2069'") + rest;
        QTest::newRow("stray embedding end")
            << QStringLiteral("1\u202c") << QStringLiteral("'\u20681\u202c\u2069'") + rest;
        QTest::newRow("unclosed isolate")
            << QStringLiteral("\u2067x") << QStringLiteral("'\u2068\u2067x\u2069\u2069'") + rest;
        QTest::newRow("hebrew") << QStringLiteral("\u05e2\u05e9\u05e8")
                                << QStringLiteral("'\u2068\u05e2\u05e9\u05e8\u2069'") + rest;
        QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661\u0665")
                                             << QStringLiteral("'\u2068\u0661\u0665\u2069'") + rest;
    }
    void typedBidiControlsStayInsideTheTypedText() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        BoxRecorder boxes;
        // The field starts empty; a change reaches the label.
        setField(m_window, "Edit9", "1");
        setField(m_window, "Edit9", typed);
        QCOMPARE(label("Label23")->text(), typed);
        QTest::mouseClick(child<QPushButton>(m_window, "Button1"), Qt::LeftButton);
        QCOMPARE(boxes.texts(), QStringList{expected});
    }

    void aNulCharacterDoesNotCutTheErrorMessageShort() {
        BoxRecorder boxes;
        const QString pasted = QStringLiteral("1") + QChar(0) + QStringLiteral("5");
        setField(m_window, "Edit9", pasted);
        QCOMPARE(label("Label23")->text(), pasted);
        QTest::mouseClick(child<QPushButton>(m_window, "Button1"), Qt::LeftButton);
        QCOMPARE(boxes.boxes().size(), std::size_t{1});
        QCOMPARE(boxes.boxes().front().kind, toolkit::ShownBox::Kind::Error);
        QCOMPARE(boxes.boxes().front().text,
                 QStringLiteral("'%1' ist kein gültiger Integerwert.").arg(pasted));
    }

private:
    std::unique_ptr<ui::ApplicationWindows> m_windows;
    ui::TForm1* m_window = nullptr;
};

QTEST_MAIN(TypedTextDisplayTest)
#include "TypedTextDisplayTest.moc"
