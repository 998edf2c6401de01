#include "FormRoundWindow.h"

#include "TForm1.h"
#include "toolkit/gui/MessageBox.h"
#include "toolkit/gui/QtText.h"
#include "ui/panels/FighterPanel.h"

#include <QCheckBox>
#include <QPushButton>

namespace ui {

std::string FormRoundWindow::labelText(engine::PanelLabel label) const {
    return toolkit::toStdString(m_form.panelLabel(label)->text());
}

void FormRoundWindow::setLabelText(engine::PanelLabel label, std::string_view text) {
    m_form.panelLabel(label)->setText(toolkit::toQString(text));
}

bool FormRoundWindow::isChecked(engine::PanelCheckBox checkBox) const {
    const engine::Fighter owner =
        engine::controlsOf(engine::Fighter::First).fireSensitive == checkBox
            ? engine::Fighter::First
            : engine::Fighter::Second;
    return m_form.panel(owner).fireSensitive->isChecked();
}

void FormRoundWindow::disableRoundButton() {
    m_form.roundButton()->setEnabled(false);
}

void FormRoundWindow::showMessageBox(std::string_view text, std::string_view title) {
    toolkit::showMessageBox(toolkit::toQString(text), toolkit::toQString(title));
}

} // namespace ui
