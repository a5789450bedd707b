#pragma once

#include "names/shapes.h"

#include <QColor>
#include <QWidget>

// The colour swatch Shape1: a solid shape of one of six kinds, painted in its fill colour.
class Swatch : public QWidget
{
    Q_OBJECT

public:
    explicit Swatch(QWidget *parent = nullptr);

    QColor fillColor() const { return fill; }
    void setFillColor(const QColor &color);

    int shape() const { return kind; }
    // Kinds outside 0 to 5 are refused and leave the shape as it is.
    void setShape(int newKind);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void describe();

    QColor fill = QColor(0, 255, 0);
    int kind = Shape::Circle;
};
