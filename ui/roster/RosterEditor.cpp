#include "RosterEditor.h"

#include "RosterTexts.h"
#include "toolkit/gui/Guarded.h"
#include "ui/panels/FighterTexts.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace roster {

RosterEditor::RosterEditor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("RosterEditor"));
    setWindowTitle(texts::editorTitle());
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("RosterList"));
    m_list->setAccessibleName(texts::rosterTitle());
    auto* caption = new QLabel(texts::newNameCaption(), this);
    m_newName = new QLineEdit(this);
    m_newName->setObjectName(QStringLiteral("RosterNewName"));
    m_newName->setMaxLength(ui::maximumNameLength);
    caption->setBuddy(m_newName);
    m_rename = new QPushButton(texts::renameButton(), this);
    m_rename->setObjectName(QStringLiteral("RosterRename"));
    m_delete = new QPushButton(texts::deleteButton(), this);
    m_delete->setObjectName(QStringLiteral("RosterDelete"));
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(texts::closeButton(), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("RosterClose"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    auto* rename = new QGridLayout;
    rename->addWidget(caption, 0, 0);
    rename->addWidget(m_newName, 0, 1);
    rename->addWidget(m_rename, 0, 2);
    rename->addWidget(m_delete, 1, 2);
    layout->addLayout(rename);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] {
        m_newName->setText(selectedName());
        updateButtons();
    });
    connect(m_newName, &QLineEdit::textChanged, this, &RosterEditor::updateButtons);
    connect(m_rename, &QPushButton::clicked, this, [this] {
        toolkit::guarded([this] { emit renameRequested(selectedName(), m_newName->text()); });
    });
    connect(m_delete, &QPushButton::clicked, this,
            [this] { toolkit::guarded([this] { emit deleteRequested(selectedName()); }); });
    updateButtons();
}

void RosterEditor::setNames(const QStringList& names) {
    const QString selected = selectedName();
    m_list->clear();
    m_list->addItems(names);
    const qsizetype row = names.indexOf(selected);
    m_list->setCurrentRow(row >= 0 ? static_cast<int>(row) : (names.isEmpty() ? -1 : 0));
    updateButtons();
}

QString RosterEditor::selectedName() const {
    const QListWidgetItem* item = m_list->currentItem();
    return item == nullptr ? QString() : item->text();
}

void RosterEditor::updateButtons() {
    const bool selected = m_list->currentItem() != nullptr;
    m_delete->setEnabled(selected);
    m_rename->setEnabled(selected && !m_newName->text().trimmed().isEmpty() &&
                         m_newName->text().trimmed() != selectedName());
}

} // namespace roster
