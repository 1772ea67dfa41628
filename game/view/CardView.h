#pragma once

#include "view/EnterButton.h"

// One card as the table and the side deck selection show it: the face picture (or nothing for
// an empty place) with the card's text written into its value window, and below it, where a
// list asks for it, a caption such as the number of copies left. A click on any of it is a
// click on the card.
class CardView : public EnterButton {
    Q_OBJECT
public:
    static constexpr int CaptionHeight = 18;

    explicit CardView(QWidget* parent, bool withCaption = false);

    int Face() const { return m_face; }
    void setFace(int face);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    QSize sizeHint() const override;

Q_SIGNALS:
    // The pointer came onto the card or moves over it.
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    int m_face = -1;
    bool m_withCaption;
    QString m_caption;
};
