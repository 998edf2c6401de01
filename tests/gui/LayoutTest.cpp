// The main window in the middle of a fight, at the smallest size in which nothing scrolls
// and at common screen sizes: every text shows in full, every control lies inside its
// panel and no two controls lie on top of each other; on a smaller screen the content
// scrolls instead of being squeezed. CTest runs it at 96 dpi and again with
// QT_SCALE_FACTOR=2, where text is measured at twice the resolution.
#include "GuiTestSupport.h"
#include "toolkit/gui/Announcement.h"
#include "tools/TextRoom.h"
#include "ui/ApplicationWindows.h"
#include "ui/TForm1.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <memory>

using guitest::BoxRecorder;
using guitest::child;

namespace {

QString describe(const QWidget* widget) {
    return QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                         QString::fromLatin1(widget->metaObject()->className()));
}

QString sizeText(const QSize& size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// The containers whose children the program places itself. What lies inside Qt's own
// composite controls (a list's scroll bars, an editable combo box's field) is Qt's affair.
bool placesItsOwnChildren(const QWidget* widget) {
    return qobject_cast<const QMainWindow*>(widget) != nullptr ||
           qobject_cast<const QGroupBox*>(widget) != nullptr ||
           widget->objectName() == QLatin1String("centralWidget");
}

QList<QWidget*> visibleChildren(const QWidget* parent) {
    QList<QWidget*> result;
    for (QWidget* widget : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // The round announcement is for screen readers only and takes no room.
        if (widget->isVisible() && !widget->isWindow() &&
            qobject_cast<toolkit::Announcement*>(widget) == nullptr) {
            result << widget;
        }
    }
    return result;
}

QStringList problemsOf(const QWidget* widget) {
    QStringList problems;
    const QSize needed = tools::roomForText(widget);
    if (!tools::hasRoomForText(widget)) {
        problems << QStringLiteral("%1 is %2 but needs %3 for its text")
                        .arg(describe(widget), sizeText(widget->size()), sizeText(needed));
    }
    if (const auto* list = qobject_cast<const QListWidget*>(widget)) {
        const int widest = list->sizeHintForColumn(0);
        if (list->viewport()->width() < widest) {
            problems << QStringLiteral("%1 shows %2 pixels of entries %3 pixels wide")
                            .arg(describe(widget))
                            .arg(list->viewport()->width())
                            .arg(widest);
        }
    }
    return problems;
}

// Walks every container the program fills and collects what is cut off or overlaps.
QStringList layoutProblems(const QWidget* container) {
    QStringList problems;
    const QList<QWidget*> children = visibleChildren(container);
    for (qsizetype i = 0; i < children.size(); ++i) {
        const QWidget* widget = children[i];
        if (!container->rect().contains(widget->geometry())) {
            problems << QStringLiteral("%1 reaches outside %2")
                            .arg(describe(widget), describe(container));
        }
        for (qsizetype j = i + 1; j < children.size(); ++j) {
            if (widget->geometry().intersects(children[j]->geometry())) {
                problems << QStringLiteral("%1 overlaps %2")
                                .arg(describe(widget), describe(children[j]));
            }
        }
        problems << problemsOf(widget);
        if (placesItsOwnChildren(widget)) {
            problems << layoutProblems(widget);
        } else if (const auto* scrolling = qobject_cast<const QScrollArea*>(widget)) {
            problems << layoutProblems(scrolling->widget());
        }
    }
    return problems;
}

} // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_windows = std::make_unique<ui::ApplicationWindows>();
        m_window = &m_windows->form1();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));

        // Values typed in, both weapons chosen and a few rounds played, so the panels
        // hold what they hold in the middle of a fight.
        QTest::mouseClick(child<QPushButton>(m_window, "Button2"), Qt::LeftButton);
        child<QLabel>(m_window, "Label11")->setText("1W6");
        child<QLabel>(m_window, "Label41")->setText("1W6+1");
        child<QLabel>(m_window, "Label1")->setText("normal");
        child<QLabel>(m_window, "Label10")->setText("normal");
        for (int round = 0; round < 3; ++round) {
            QTest::mouseClick(child<QPushButton>(m_window, "Button1"), Qt::LeftButton);
        }
        QCOMPARE(child<QLabel>(m_window, "Label64")->text(),
                 QString("Es ist die 3 Runde des Kampfes"));
    }

    void cleanupTestCase() { m_windows.reset(); }

    void measuresAtTheIntendedResolution() {
        // Text is laid out for 96 dpi; a scale factor multiplies the device pixels only.
        QCOMPARE(m_window->logicalDpiX(), 96);
        const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
        QCOMPARE(m_window->devicePixelRatioF(), scale.isEmpty() ? 1.0 : scale.toDouble());
    }

    void everyTextFitsAndNothingOverlaps_data() {
        QTest::addColumn<QSize>("requested");
        QTest::addColumn<int>("arrangement"); // the smallest in the narrowed one
        QTest::newRow("smallest without scrolling") << QSize(0, 0) << 1;
        QTest::newRow("small laptop") << QSize(1280, 720) << 0;
        QTest::newRow("full HD") << QSize(1920, 1080) << 0;
    }

    void everyTextFitsAndNothingOverlaps() {
        QFETCH(QSize, requested);
        QFETCH(int, arrangement);
        const QSize expected = requested.expandedTo(m_window->sizeWithoutScrolling());
        m_window->resize(expected);
        QTRY_COMPARE(m_window->size(), expected);
        QApplication::processEvents();

        const QStringList problems = layoutProblems(m_window);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        auto* scrolling = child<QScrollArea>(m_window, "contentScrollArea");
        QVERIFY(!scrolling->horizontalScrollBar()->isVisible());
        QVERIFY(!scrolling->verticalScrollBar()->isVisible());
        QCOMPARE(m_window->arrangement(), arrangement);
    }

    void theForecastLineKeepsItsHeight() {
        // One line or two, at the smallest width and a wide one: the line keeps one height,
        // the log under it stays where it is, and the longest forecast still shows whole.
        auto* forecast = child<QLabel>(m_window, "Prognose");
        auto* log = child<QWidget>(m_window, "GroupBoxFightLog");
        const QString before = forecast->text();
        const int height = forecast->height();
        for (const QSize& size : {m_window->sizeWithoutScrolling(), QSize(1920, 1080)}) {
            m_window->resize(size);
            QTRY_COMPARE(m_window->size(), size);
            QCOMPARE(forecast->height(), height);
            const int logTop = log->y();
            for (const QString& text :
                 {QStringLiteral("Prognose: der Kampf ist entschieden"),
                  QStringLiteral("Prognose: Kämpfer 1 gewinnt 100,0 %, Kämpfer 2 100,0 %, beide "
                                 "fallen 100,0 %, im Mittel 2147483647,0 Runden")}) {
                forecast->setText(text);
                QApplication::processEvents();
                child<QWidget>(m_window, "centralWidget")->layout()->activate();
                QCOMPARE(forecast->height(), height);
                QCOMPARE(log->y(), logTop);
                QVERIFY2(forecast->heightForWidth(forecast->width()) <= height, qPrintable(text));
            }
        }
        forecast->setText(before);
    }

    void aSmallerWindowScrollsToEveryCommand() {
        // One pixel short of the room in each direction: the content keeps its size and
        // scrolls, and the last command can be brought into view.
        const QSize needed = m_window->sizeWithoutScrolling();
        m_window->resize(needed - QSize(1, 1));
        QTRY_COMPARE(m_window->size(), needed - QSize(1, 1));
        QApplication::processEvents();
        auto* scrolling = child<QScrollArea>(m_window, "contentScrollArea");
        QVERIFY(scrolling->horizontalScrollBar()->isVisible());
        QVERIFY(scrolling->verticalScrollBar()->isVisible());
        QVERIFY(layoutProblems(m_window).isEmpty());

        auto* endButton = child<QPushButton>(m_window, "Button4");
        scrolling->ensureWidgetVisible(endButton, 0, 0);
        const QRect shown(endButton->mapTo(scrolling->viewport(), QPoint(0, 0)), endButton->size());
        QVERIFY2(
            scrolling->viewport()->rect().contains(shown),
            qPrintable(QStringLiteral("Button4 at %1,%2 %3 in a viewport of %4")
                           .arg(shown.x())
                           .arg(shown.y())
                           .arg(sizeText(shown.size()), sizeText(scrolling->viewport()->size()))));
    }

    void theCheckSeesACutOffText() {
        // A label squeezed below its text's width must be reported, or the test above
        // proves nothing.
        auto* label = child<QLabel>(m_window, "Label27");
        label->setMaximumWidth(label->sizeHint().width() / 2);
        QApplication::processEvents();
        const QStringList problems = layoutProblems(m_window);
        label->setMaximumWidth(QWIDGETSIZE_MAX);
        QApplication::processEvents();
        QVERIFY(problems.filter(QStringLiteral("Label27")).size() == 1);
    }

    void theCheckSeesOverlappingControls() {
        auto* roundButton = child<QPushButton>(m_window, "Button1");
        roundButton->move(child<QPushButton>(m_window, "Button2")->pos());
        const QStringList problems = layoutProblems(m_window);
        QLayout* layout = child<QWidget>(m_window, "centralWidget")->layout();
        layout->invalidate();
        layout->activate();
        QVERIFY2(problems.filter(QStringLiteral("overlaps")).size() >= 1,
                 qPrintable(problems.join(QLatin1Char('\n'))));
        QVERIFY(layoutProblems(m_window).isEmpty());
    }

private:
    BoxRecorder m_boxes; // no box may wait for a click
    std::unique_ptr<ui::ApplicationWindows> m_windows;
    ui::TForm1* m_window = nullptr;
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
