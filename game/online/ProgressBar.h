#pragma once

#include <QWidget>

// The update window's progress bar: filled from the left in the game's blue. Every new fill
// width is drawn again and counted; the window asks only when the width changed.
class ProgressBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int BarWidth = 497;
    static constexpr int BarHeight = 19;

    explicit ProgressBar(QWidget* parent = nullptr);

    int FillWidth() const { return m_fill; }
    void setFillWidth(int pixels);
    int Redraws() const { return m_redraws; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_fill = 0;
    int m_redraws = 0;
};
