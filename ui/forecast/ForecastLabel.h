#pragma once

#include <QLabel>

namespace ui {

// "Prognose": the main window's label with the odds of the fight as the next round would
// start it, laid out by the main window.
class ForecastLabel : public QLabel {
    Q_OBJECT
public:
    explicit ForecastLabel(QWidget* parent);
    bool hasHeightForWidth() const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    // Three lines, whatever the text: the longest forecast takes three where the column
    // is narrow, and a height that followed the text would move the log with every forecast.
    int reservedHeight() const;
};

} // namespace ui
