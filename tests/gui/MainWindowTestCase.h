#pragma once

#include "GuiTestSupport.h"
#include "ui/ApplicationWindows.h"
#include "ui/FightController.h"
#include "ui/TForm1.h"

#include <QObject>
#include <memory>

namespace guitest {

// Base of the widget tests: every test function gets all windows of the program fresh,
// with its own dice from the start of the sequence, and the main window shown.
class MainWindowTestCase : public QObject {
    Q_OBJECT

protected:
    void openWindows() {
        m_windows = std::make_unique<ui::ApplicationWindows>();
        m_window = &m_windows->form1();
        m_window->show();
    }
    void closeWindows() {
        m_windows.reset();
        m_window = nullptr;
    }

    QString label(const QString& name) const { return child<QLabel>(m_window, name)->text(); }
    // Both fighters armed with one damage code and ready to attack, as after a weapon choice.
    void armBoth(const QString& damageCode) const {
        for (const char* name : {"Label11", "Label41"}) {
            child<QLabel>(m_window, name)->setText(damageCode);
        }
        for (const char* name : {"Label1", "Label10"}) {
            child<QLabel>(m_window, name)->setText(QStringLiteral("normal"));
        }
    }
    void click(const QString& name) const {
        QTest::mouseClick(child<QPushButton>(m_window, name), Qt::LeftButton);
    }

    std::unique_ptr<ui::ApplicationWindows> m_windows;
    ui::TForm1* m_window = nullptr;

private slots:
    void init() { openWindows(); }
    void cleanup() { closeWindows(); }
};

} // namespace guitest
