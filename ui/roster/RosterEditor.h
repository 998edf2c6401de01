#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace roster {

// "Kämpferliste bearbeiten": the roster's names, with renaming and deleting. It only asks;
// the roster controller changes the file and hands back the names.
class RosterEditor : public QDialog {
    Q_OBJECT
public:
    explicit RosterEditor(QWidget* parent);

    // Shows the names in this order, keeping the selected one where it remains.
    void setNames(const QStringList& names);
    QString selectedName() const;

    QListWidget* list() const { return m_list; }
    QLineEdit* newName() const { return m_newName; }
    QPushButton* renameButton() const { return m_rename; }
    QPushButton* deleteButton() const { return m_delete; }

signals:
    void renameRequested(const QString& name, const QString& newName);
    void deleteRequested(const QString& name);

private:
    void updateButtons();

    QListWidget* m_list = nullptr;
    QLineEdit* m_newName = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_delete = nullptr;
};

} // namespace roster
