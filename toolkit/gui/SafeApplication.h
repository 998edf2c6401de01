#pragma once

#include <QApplication>

namespace toolkit {

// The last safety net: an exception that escapes event delivery anywhere is shown in
// the error box instead of ending the program.
class SafeApplication : public QApplication {
public:
    SafeApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace toolkit
