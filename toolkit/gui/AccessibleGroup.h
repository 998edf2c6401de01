#pragma once

#include <QWidget>

namespace toolkit {

// A frameless container of controls that belong together, such as the radio buttons that
// answer one question. A screen reader meets it as a group named by its accessible name,
// and says that name when the focus moves into it.
class AccessibleGroup : public QWidget {
    Q_OBJECT
public:
    explicit AccessibleGroup(QWidget* parent);
};

} // namespace toolkit
