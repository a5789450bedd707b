#include "widgets/swatch.h"

#include <QPainter>

namespace {

// The rounded kinds use a radius of a sixth of the shorter side: clearly rounded when the
// swatch is large, still visibly so when it is small.
constexpr qreal cornerRadiusShare = 1.0 / 6.0;

QRectF centredSquare(const QRectF &area)
{
    const qreal side = qMin(area.width(), area.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(area.center());
    return square;
}

} // namespace

Swatch::Swatch(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("色見本"));
    describe();
}

void Swatch::setFillColor(const QColor &color)
{
    fill = color;
    describe();
    update();
}

void Swatch::setShape(int newKind)
{
    if (newKind < Shape::Rectangle || newKind > Shape::RoundedSquare)
        return;
    kind = newKind;
    describe();
    update();
}

QSize Swatch::sizeHint() const
{
    return {322, 293};
}

void Swatch::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(fill);

    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool square = kind == Shape::Square || kind == Shape::Circle || kind == Shape::RoundedSquare;
    const QRectF box = square ? centredSquare(area) : area;
    const qreal radius = qMin(box.width(), box.height()) * cornerRadiusShare;

    switch (kind) {
    case Shape::Rectangle:
    case Shape::Square:
        painter.drawRect(box);
        break;
    case Shape::Oval:
    case Shape::Circle:
        painter.drawEllipse(box);
        break;
    case Shape::RoundedRectangle:
    case Shape::RoundedSquare:
        painter.drawRoundedRect(box, radius, radius);
        break;
    }
}

// Keeps what a screen reader says of the swatch in step with what it shows.
void Swatch::describe()
{
    setAccessibleDescription(fill.name(QColor::HexRgb).mid(1));
}
