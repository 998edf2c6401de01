#include "ControlReport.h"

#include "TextRoom.h"
#include "ui/TForm1.h"
#include "ui/log/FightLog.h"

#include <QApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace tools {

namespace {

QJsonArray rectJson(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QRect globalRect(const QWidget* widget) {
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

bool isNamedControl(const QWidget* widget) {
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !widget->isWindow();
}

bool holdsNamedControls(const QWidget* widget) {
    const QList<QWidget*> inside = widget->findChildren<QWidget*>();
    return std::any_of(inside.begin(), inside.end(), isNamedControl);
}

// Whether the log shows the end of its last line, as the game master reads it.
bool logShowsItsLastLine(const ui::TForm1& window) {
    const QPlainTextEdit* view = window.fightLog().view();
    QTextCursor bottomLine = view->cursorForPosition(QPoint(0, view->viewport()->height() - 1));
    bottomLine.movePosition(QTextCursor::EndOfLine);
    return bottomLine.atEnd();
}

} // namespace

bool writeControlReport(ui::TForm1& window, const QString& path) {
    auto* scrolling = window.findChild<QScrollArea*>(QStringLiteral("contentScrollArea"));
    if (scrolling == nullptr) {
        return false;
    }
    QWidget* content = scrolling->widget();
    // Where each control lies as the window was left, before anything is scrolled to.
    QHash<const QWidget*, QRect> asLeft;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        asLeft.insert(widget, globalRect(widget));
    }
    const bool logAtItsEnd = logShowsItsLastLine(window);
    const QJsonArray scrolledBy{scrolling->horizontalScrollBar()->value(),
                                scrolling->verticalScrollBar()->value()};
    scrolling->horizontalScrollBar()->setValue(0);
    scrolling->verticalScrollBar()->setValue(0);
    QApplication::processEvents();
    QJsonArray controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!isNamedControl(widget) || widget == scrolling || widget == content) {
            continue;
        }
        QJsonObject control{
            {QStringLiteral("name"), widget->objectName()},
            {QStringLiteral("class"), QString::fromLatin1(widget->metaObject()->className())},
            {QStringLiteral("visible"), widget->isVisible()},
            {QStringLiteral("container"), holdsNamedControls(widget)},
            {QStringLiteral("textFits"), hasRoomForText(widget)},
            {QStringLiteral("rect"), rectJson(globalRect(widget))},
            {QStringLiteral("leftRect"), rectJson(asLeft.value(widget))},
            {QStringLiteral("scrolls"), content->isAncestorOf(widget)},
        };
        if (content->isAncestorOf(widget)) {
            // The whole control, not only a text cursor in it, as ensureWidgetVisible does.
            const QPoint centre = widget->mapTo(content, widget->rect().center());
            scrolling->ensureVisible(centre.x(), centre.y(), widget->width() / 2 + 1,
                                     widget->height() / 2 + 1);
            QApplication::processEvents();
        }
        control.insert(QStringLiteral("scrolledRect"), rectJson(globalRect(widget)));
        scrolling->horizontalScrollBar()->setValue(0);
        scrolling->verticalScrollBar()->setValue(0);
        controls.append(control);
    }
    QApplication::processEvents();

    const QJsonObject report{
        {QStringLiteral("scale"), window.devicePixelRatioF()},
        {QStringLiteral("title"), window.windowTitle()},
        {QStringLiteral("fontFamily"), window.font().family()},
        {QStringLiteral("fontPointSize"), window.font().pointSizeF()},
        {QStringLiteral("window"), rectJson(globalRect(&window))},
        {QStringLiteral("frame"), rectJson(window.frameGeometry())},
        {QStringLiteral("viewport"), rectJson(globalRect(scrolling->viewport()))},
        {QStringLiteral("scrolledBy"), scrolledBy},
        {QStringLiteral("horizontalScrollBar"), scrolling->horizontalScrollBar()->isVisible()},
        {QStringLiteral("verticalScrollBar"), scrolling->verticalScrollBar()->isVisible()},
        {QStringLiteral("logShowsItsLastLine"), logAtItsEnd},
        {QStringLiteral("controls"), controls},
    };
    // Written whole or not at all: a check waits for the file to appear.
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(report).toJson()) > 0 &&
           file.commit();
}

} // namespace tools
