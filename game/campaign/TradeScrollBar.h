#pragma once

#include <QWidget>

// The trade strip's scroll bar: a button at each end and a thumb that can be dragged. It sits
// in the window so that its thumb's top edge travels the window coordinates the trade model
// uses; the window decides what a step or a drag does.
class TradeScrollBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int ButtonSize = 20;
    static constexpr int ThumbHeight = 28;

    explicit TradeScrollBar(QWidget* parent = nullptr);

    // The thumb's top edge in the parent window's coordinates.
    void setThumbTop(int windowY);

Q_SIGNALS:
    // An end button was pressed: -1 up, +1 down.
    void stepped(int step);
    // The thumb is held grab pixels below its top edge while the mouse is at windowY.
    void dragged(int windowY, int grab);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect thumbRect() const;
    void paintArrow(QPainter& p, const QRect& box, bool up) const;

    int m_thumbTop = 0; // in own coordinates
    int m_grab = -1;    // -1 while the thumb is not held
};
