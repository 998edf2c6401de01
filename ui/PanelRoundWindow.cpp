#include "PanelRoundWindow.h"

#include "FighterPanel.h"
#include "TForm1.h"
#include "toolkit/MessageBox.h"
#include "toolkit/QtText.h"

#include <QCheckBox>
#include <QPushButton>

namespace ui {

std::string PanelRoundWindow::labelText(engine::PanelLabel label) const {
    return toolkit::toStdString(m_form.panelLabel(label)->text());
}

void PanelRoundWindow::setLabelText(engine::PanelLabel label, std::string_view text) {
    m_form.panelLabel(label)->setText(toolkit::toQString(text));
}

bool PanelRoundWindow::isChecked(engine::PanelCheckBox checkBox) const {
    const engine::Fighter owner =
        engine::controlsOf(engine::Fighter::First).fireSensitive == checkBox
            ? engine::Fighter::First
            : engine::Fighter::Second;
    return m_form.panel(owner).fireSensitive->isChecked();
}

void PanelRoundWindow::disableRoundButton() {
    m_form.roundButton()->setEnabled(false);
}

void PanelRoundWindow::showMessageBox(std::string_view text, std::string_view title) {
    toolkit::showMessageBox(toolkit::toQString(text), toolkit::toQString(title));
}

} // namespace ui
