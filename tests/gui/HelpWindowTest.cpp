#include "ui/help/HelpWindow.h"

#include "GuiTestSupport.h"
#include "MainWindowTestCase.h"
#include "engine/DamageTable.h"
#include "ui/help/HelpText.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextTable>
#include <QtTest>
#include <algorithm>

using guitest::child;

namespace {

// The rows of the document's table whose first heading is firstHeading, headings left out.
QList<QStringList> tableRows(const QTextDocument& document, const QString& firstHeading) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        const auto cellText = [table](int row, int column) {
            const QTextTableCell cell = table->cellAt(row, column);
            QTextCursor cursor = cell.firstCursorPosition();
            cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            return cursor.selectedText();
        };
        if (table == nullptr || cellText(0, 0) != firstHeading) {
            continue;
        }
        QList<QStringList> rows;
        for (int row = 1; row < table->rows(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columns(); ++column) {
                cells << cellText(row, column);
            }
            rows << cells;
        }
        return rows;
    }
    return {};
}

} // namespace

class HelpWindowTest : public guitest::MainWindowTestCase {
    Q_OBJECT

    ui::help::HelpWindow* openHelp() const {
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window)) {
            return nullptr;
        }
        QTest::keyClick(m_window, Qt::Key_F1);
        return m_window->findChild<ui::help::HelpWindow*>(QStringLiteral("HelpWindow"));
    }

private slots:

    void f1OpensOneHelpWindowThatLeavesTheMainWindowUsable() {
        QCOMPARE(child<QAction>(m_window, "RegelnundBedienung1")->iconText(),
                 QString("Regeln und Bedienung"));
        QVERIFY(m_window->findChild<ui::help::HelpWindow*>() == nullptr);
        ui::help::HelpWindow* help = openHelp();
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowModality(), Qt::NonModal);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(help->browser()->accessibleName(), QString("Regeln und Bedienung"));
        // The main window goes on: a round is generated while the help is open.
        const guitest::BoxRecorder boxes;
        click("Button2");
        click("Button1");
        QCOMPARE(label("Label64"), QString("Es ist die 1 Runde des Kampfes"));
        QVERIFY(openHelp() == help);
        QCOMPARE(m_window->findChildren<ui::help::HelpWindow*>().size(), 1);

        // Every shortcut of the window's commands is in the key list, with what it does.
        const QString text = help->browser()->toPlainText();
        int withKeys = 0;
        for (const QAction* action : m_window->findChildren<QAction*>()) {
            for (const QKeySequence& key : action->shortcuts()) {
                ++withKeys;
                QVERIFY2(text.contains(key.toString(QKeySequence::NativeText)),
                         qPrintable(action->objectName()));
                QVERIFY2(text.contains(action->iconText()), qPrintable(action->objectName()));
            }
        }
        QVERIFY(withKeys >= 9);
        for (const char* menu : {"Datei", "Kampf", "Hilfe"}) {
            QVERIFY(text.contains(QStringLiteral("öffnet das Menü „%1“").arg(menu)));
        }
        QTest::keyClick(help->findField(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }

    void armourEntriesAndTheHelpShowWhatChoosingStores() {
        ui::help::HelpWindow* help = openHelp();
        QVERIFY(help != nullptr);
        const QList<QStringList> helpRows = tableRows(*help->browser()->document(), "Rüstklasse");
        auto* classes = child<QComboBox>(m_window, "ComboBox2");
        QCOMPARE(helpRows.size(), classes->count());
        QCOMPARE(classes->itemData(2, Qt::ToolTipRole).toString(),
                 QString("Lederrüstung: Rüstungsschutz 2"));
        for (int i = 0; i < classes->count(); ++i) {
            classes->setCurrentIndex(i);
            const QString stored = label("Label72");
            QCOMPARE(helpRows[i], QStringList({classes->itemText(i), stored}));
            const QString hint = classes->itemText(i) + ": Rüstungsschutz " + stored;
            QCOMPARE(classes->itemData(i, Qt::ToolTipRole).toString(), hint);
            QCOMPARE(classes->itemData(i, Qt::AccessibleDescriptionRole).toString(), hint);
        }
        auto* protection = child<QComboBox>(m_window, "ComboBox3");
        for (int i = 0; i < protection->count(); ++i) {
            protection->setCurrentIndex(i);
            const QString hint = "Rüstungsschutz " + label("Label71");
            QCOMPARE(protection->itemData(i, Qt::ToolTipRole).toString(), hint);
            QCOMPARE(protection->itemData(i, Qt::AccessibleDescriptionRole).toString(), hint);
        }
    }

    void damageCodesAreExplainedAsTheRoundRollsThem() {
        ui::help::HelpWindow* help = openHelp();
        QVERIFY(help != nullptr);
        const QList<QStringList> rows = tableRows(*help->browser()->document(), "Code");
        QCOMPARE(rows.size(), static_cast<qsizetype>(engine::damageTable.size()));
        const auto rangeOf = [&rows](const QString& code) {
            for (const QStringList& row : rows) {
                if (row.front() == code) {
                    return row.back();
                }
            }
            return QString();
        };
        QCOMPARE(rangeOf("1W6-4 (Raufen)"), QString("−3 bis 2"));
        QCOMPARE(rangeOf("1W6-2/2W6"), QString("2 bis 12, sonst −1 bis 4"));
        QCOMPARE(rangeOf("4W6-3"), QString("1 bis 21"));
        QCOMPARE(rangeOf("2x(2W6-3)"), QString("−2 bis 18"));
    }

    void findMarksEveryMatchAndGoesRound() {
        ui::help::HelpWindow* help = openHelp();
        QVERIFY(help != nullptr);
        QTest::keyClicks(help->findField(), "revanche");
        QVERIFY(help->matchCount() >= 3);
        QCOMPARE(help->browser()->extraSelections().size(), help->matchCount());
        QCOMPARE(help->browser()->textCursor().selectedText(), QString("Revanche"));
        const int first = help->browser()->textCursor().position();
        QSet<int> visited{first};
        for (int i = 1; i < help->matchCount(); ++i) {
            QTest::keyClick(help->findField(), Qt::Key_Return);
            visited.insert(help->browser()->textCursor().position());
        }
        QCOMPARE(visited.size(), help->matchCount());
        QTest::keyClick(help->findField(), Qt::Key_Return);
        QCOMPARE(help->browser()->textCursor().position(), first);
        // Backwards from the first match is the last.
        QTest::keyClick(help->findField(), Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(help->browser()->textCursor().position(),
                 *std::max_element(visited.begin(), visited.end()));

        help->findField()->setText("Xylophon");
        QCOMPARE(help->matchCount(), 0);
        QVERIFY(help->browser()->extraSelections().isEmpty());
        QCOMPARE(child<QLabel>(help, "HelpFindResult")->text(), QString("nicht gefunden"));
    }

    void everyLinkOfTheContentsLeadsToItsPart() {
        ui::help::HelpWindow* help = openHelp();
        QVERIFY(help != nullptr);
        QSet<QString> targets;
        QSet<QString> anchors;
        for (QTextBlock block = help->browser()->document()->begin(); block.isValid();
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.anchorHref().startsWith('#')) {
                    targets.insert(format.anchorHref().mid(1));
                }
                for (const QString& name : format.anchorNames()) {
                    anchors.insert(name);
                }
            }
        }
        for (const ui::help::HelpSection& section : ui::help::helpSections()) {
            QVERIFY2(targets.contains(section.anchor), qPrintable(section.anchor));
        }
        for (const QString& target : targets) {
            QVERIFY2(anchors.contains(target), qPrintable(target));
        }
        QScrollBar* scroll = help->browser()->verticalScrollBar();
        QCOMPARE(scroll->value(), 0);
        help->browser()->setSource(QUrl("#tasten"));
        QVERIFY(scroll->value() > 0);
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTest.moc"
