#include "screens/widgets/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace artwork
{

namespace
{

const QColor kAmber(214, 140, 32);
const QColor kDarkAmber(150, 84, 16);
const QColor kFoam(252, 248, 232);
const QColor kInk(60, 45, 30);

void drawGlass(QPainter &p, const QRectF &r)
{
    // A tapered pint glass: wider at the rim than at the foot.
    const qreal top = r.top() + r.height() * 0.08, bottom = r.bottom() - r.height() * 0.04;
    const qreal inset = r.width() * 0.12;
    QPainterPath glass;
    glass.moveTo(r.left() + r.width() * 0.18, top);
    glass.lineTo(r.right() - r.width() * 0.18, top);
    glass.lineTo(r.right() - r.width() * 0.18 - inset, bottom);
    glass.lineTo(r.left() + r.width() * 0.18 + inset, bottom);
    glass.closeSubpath();

    const qreal foamLine = top + r.height() * 0.2;
    p.save();
    p.setClipPath(glass);
    QLinearGradient beer(r.topLeft(), r.topRight());
    beer.setColorAt(0, kDarkAmber);
    beer.setColorAt(0.45, kAmber);
    beer.setColorAt(1, kDarkAmber);
    p.fillRect(QRectF(r.left(), foamLine, r.width(), bottom - foamLine), beer);
    p.fillRect(QRectF(r.left(), top, r.width(), foamLine - top), kFoam);
    // Bubbles rising.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 160, 170));
    const qreal b = qMax<qreal>(1.0, r.width() * 0.025);
    const qreal xs[] = { 0.38, 0.47, 0.55, 0.62, 0.44, 0.58 };
    const qreal ys[] = { 0.45, 0.62, 0.5, 0.72, 0.82, 0.36 };
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(r.left() + r.width() * xs[i], r.top() + r.height() * ys[i]), b, b);
    p.restore();

    // Foam spilling over the rim.
    p.setPen(Qt::NoPen);
    p.setBrush(kFoam);
    const qreal rim = r.width() * 0.1;
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(r.left() + r.width() * (0.26 + i * 0.16), top), rim, rim * 0.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, qMax<qreal>(1.0, r.width() * 0.03)));
    p.drawPath(glass);
}

QPixmap canvas(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    return pm;
}

} // namespace

QPixmap beerGlass(int size)
{
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlass(p, QRectF(0, 0, size, size));
    return pm;
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int s : { 16, 24, 32, 48, 64 })
            i.addPixmap(beerGlass(s));
        return i;
    }();
    return icon;
}

QPixmap frameBackground(const QSize &size)
{
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(236, 226, 204));
    g.setColorAt(1, QColor(206, 186, 150));
    p.fillRect(pm.rect(), g);
    const int s = qMin(size.width(), size.height()) / 3;
    p.setOpacity(0.18);
    drawGlass(p, QRectF(size.width() - s - s / 4, size.height() - s - s / 4, s, s));
    return pm;
}

QIcon toolIcon(ToolPicture picture)
{
    const int s = 32;
    QPixmap pm = canvas(s);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(kInk, 2);
    p.setPen(pen);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(14);
    p.setFont(f);
    switch (picture) {
    case ToolPicture::BrowseBrews:
        drawGlass(p, QRectF(2, 2, 28, 28));
        break;
    case ToolPicture::Kits:
        // A book of recipes.
        p.setBrush(QColor(120, 70, 40));
        p.drawRoundedRect(QRectF(6, 4, 20, 24), 2, 2);
        p.setPen(QPen(kFoam, 2));
        p.drawLine(QPointF(10, 11), QPointF(22, 11));
        p.drawLine(QPointF(10, 16), QPointF(22, 16));
        break;
    case ToolPicture::Calculator:
        p.setBrush(QColor(200, 200, 190));
        p.drawRoundedRect(QRectF(7, 3, 18, 26), 2, 2);
        p.setBrush(QColor(140, 170, 120));
        p.drawRect(QRectF(10, 6, 12, 6));
        p.setBrush(kInk);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                p.drawRect(QRectF(10 + c * 4.5, 15 + r * 4.5, 2.5, 2.5));
        break;
    case ToolPicture::Exit:
        p.setPen(QPen(QColor(170, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(24, 24));
        p.drawLine(QPointF(24, 8), QPointF(8, 24));
        break;
    case ToolPicture::WebLinks:
        p.setBrush(QColor(120, 170, 220));
        p.drawEllipse(QRectF(4, 4, 24, 24));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(11, 4, 10, 24));
        p.drawLine(QPointF(4, 16), QPointF(28, 16));
        break;
    case ToolPicture::Units:
        p.drawText(QRectF(0, 0, s, s / 2), Qt::AlignCenter, QStringLiteral("L"));
        p.drawText(QRectF(0, s / 2, s, s / 2), Qt::AlignCenter, QStringLiteral("gal"));
        p.drawLine(QPointF(6, 16), QPointF(26, 16));
        break;
    case ToolPicture::Cost:
        p.setBrush(QColor(230, 190, 60));
        p.drawEllipse(QRectF(4, 4, 24, 24));
        p.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("$"));
        break;
    case ToolPicture::Shopping:
        p.drawLine(QPointF(3, 6), QPointF(8, 6));
        p.drawLine(QPointF(8, 6), QPointF(12, 20));
        p.drawLine(QPointF(12, 20), QPointF(26, 20));
        p.drawLine(QPointF(26, 20), QPointF(28, 10));
        p.drawLine(QPointF(28, 10), QPointF(9.5, 10));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(14, 25), 2, 2);
        p.drawEllipse(QPointF(24, 25), 2, 2);
        break;
    case ToolPicture::Backup:
        // A disk with an arrow onto it.
        p.setBrush(QColor(90, 110, 150));
        p.drawRoundedRect(QRectF(5, 12, 22, 16), 2, 2);
        p.setPen(QPen(QColor(30, 120, 40), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 2), QPointF(16, 12));
        p.drawLine(QPointF(11, 8), QPointF(16, 13));
        p.drawLine(QPointF(21, 8), QPointF(16, 13));
        break;
    }
    p.end();
    return QIcon(pm);
}

} // namespace artwork
