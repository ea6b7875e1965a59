#include "screens/widgets/artwork.h"

#include <QFont>
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

QPixmap buttonPixmap(ButtonPicture picture, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 24.0, size / 24.0);
    const QPen ink(QColor(40, 40, 40), 1.4);
    p.setPen(ink);
    const auto sheet = [&](QRectF r) {
        p.setBrush(Qt::white);
        p.drawRect(r);
        for (double y = r.top() + 3; y < r.bottom() - 1; y += 3)
            p.drawLine(QPointF(r.left() + 2.5, y), QPointF(r.right() - 2.5, y));
    };
    switch (picture) {
    case ButtonPicture::FullGlass:
    case ButtonPicture::EmptyGlass: {
        QPainterPath glass;
        glass.moveTo(6, 3);
        glass.lineTo(18, 3);
        glass.lineTo(16.5, 21);
        glass.lineTo(7.5, 21);
        glass.closeSubpath();
        if (picture == ButtonPicture::FullGlass) {
            p.fillPath(glass, QColor(226, 160, 40));
            p.fillRect(QRectF(6.2, 3.2, 11.6, 3.5), QColor(250, 246, 230));
        }
        p.setBrush(Qt::NoBrush);
        p.drawPath(glass);
        break;
    }
    case ButtonPicture::View:
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(2, 6, 20, 12));
        p.setBrush(QColor(40, 90, 160));
        p.drawEllipse(QRectF(8.5, 8.5, 7, 7));
        break;
    case ButtonPicture::Copy:
        sheet(QRectF(3, 2, 12, 15));
        sheet(QRectF(9, 7, 12, 15));
        break;
    case ButtonPicture::Print:
    case ButtonPicture::PrintNotes:
    case ButtonPicture::TastingSheet:
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(2, 10, 20, 8));
        sheet(QRectF(6, 2, 12, 9));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 15, 12, 7));
        if (picture == ButtonPicture::PrintNotes)
            p.fillRect(QRectF(15, 11.5, 5, 2), QColor(40, 90, 160));
        if (picture == ButtonPicture::TastingSheet)
            p.fillRect(QRectF(15, 11.5, 5, 2), QColor(170, 40, 40));
        break;
    case ButtonPicture::RecordSheet:
        sheet(QRectF(4, 2, 16, 20));
        p.setPen(QPen(QColor(170, 40, 40), 1.4));
        p.drawLine(QPointF(4, 6), QPointF(20, 6));
        break;
    case ButtonPicture::Cost: {
        p.setBrush(QColor(240, 200, 60));
        p.drawEllipse(QRectF(2, 2, 20, 20));
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(14);
        p.setFont(f);
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("$"));
        break;
    }
    case ButtonPicture::Calculator:
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
        p.setBrush(QColor(0xE8, 0xE8, 0xE8));
        p.drawRoundedRect(QRectF(4.5, 2.5, 15, 19), 2, 2);
        p.setBrush(QColor(0xB8, 0xD8, 0xB8));
        p.drawRect(QRectF(6.5, 4.5, 11, 4));
        p.setBrush(QColor(0x60, 0x60, 0x60));
        p.setPen(Qt::NoPen);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawRect(QRectF(7 + col * 4, 11 + row * 3.5, 2.5, 2));
        break;
    case ButtonPicture::Labels: {
        QPainterPath tag;
        tag.moveTo(3, 8);
        tag.lineTo(9, 3);
        tag.lineTo(21, 3);
        tag.lineTo(21, 13);
        tag.lineTo(9, 13);
        tag.closeSubpath();
        p.setBrush(QColor(250, 240, 200));
        p.drawPath(tag.translated(0, 4));
        p.drawEllipse(QRectF(7, 10.5, 3, 3));
        break;
    }
    }
    return pixmap;
}

QIcon buttonIcon(ButtonPicture picture) { return QIcon(buttonPixmap(picture)); }

QPixmap stockMug(bool full)
{
    QPixmap pm(28, 28);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(5, 6, 14, 18);
    if (full) {
        p.fillRect(body.adjusted(1, 4, -1, -1), QColor(0xE0, 0xA0, 0x20)); // beer
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(4, 3, 8, 6)); // the head
        p.drawEllipse(QRectF(10, 3, 9, 6));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.5));
    p.drawRoundedRect(body, 2, 2);
    p.drawArc(QRectF(16, 10, 8, 9), -90 * 16, 180 * 16); // the handle
    return pm;
}

QPixmap scoreMark(bool good)
{
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(good ? QColor(0x2E, 0x9E, 0x44) : QColor(0xB0, 0xB0, 0xB0));
    p.drawEllipse(QRectF(2, 2, 16, 16));
    p.setPen(QPen(Qt::white, 2));
    if (good) {
        QPainterPath tick;
        tick.moveTo(6, 10);
        tick.lineTo(9, 13);
        tick.lineTo(14, 7);
        p.drawPath(tick);
    } else {
        p.drawLine(QPointF(6, 10), QPointF(14, 10));
    }
    return pm;
}

QIcon formatIcon(const QString &name)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    const QColor ink(40, 40, 40);
    p.setPen(QPen(ink, 1));
    const auto lines = [&p](const std::initializer_list<std::pair<int, int>> &spans) {
        int y = 3;
        for (const auto &[from, to] : spans) {
            p.drawLine(from, y, to, y);
            y += 3;
        }
    };
    const auto letter = [&p](const QString &text, bool bold, bool italic, bool underline) {
        QFont f(QStringLiteral("Serif"));
        f.setPixelSize(13);
        f.setBold(bold);
        f.setItalic(italic);
        f.setUnderline(underline);
        p.setFont(f);
        p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, text);
    };
    if (name == QLatin1String("format-justify-left"))
        lines({ { 2, 14 }, { 2, 10 }, { 2, 14 }, { 2, 10 } });
    else if (name == QLatin1String("format-justify-center"))
        lines({ { 2, 14 }, { 4, 12 }, { 2, 14 }, { 4, 12 } });
    else if (name == QLatin1String("format-justify-right"))
        lines({ { 2, 14 }, { 6, 14 }, { 2, 14 }, { 6, 14 } });
    else if (name == QLatin1String("format-justify-fill"))
        lines({ { 2, 14 }, { 2, 14 }, { 2, 14 }, { 2, 14 } });
    else if (name == QLatin1String("format-indent-more") || name == QLatin1String("format-indent-less")) {
        lines({ { 2, 14 }, { 7, 14 }, { 7, 14 }, { 2, 14 } });
        p.setBrush(ink);
        const bool more = name == QLatin1String("format-indent-more");
        const QPoint arrow[] = { QPoint(more ? 2 : 5, 5), QPoint(more ? 5 : 2, 7), QPoint(more ? 2 : 5, 9) };
        p.drawPolygon(arrow, 3);
    } else if (name == QLatin1String("format-list-unordered")) {
        lines({ { 6, 14 }, { 6, 14 }, { 6, 14 }, { 6, 14 } });
        p.setBrush(ink);
        for (int y = 3; y <= 12; y += 3)
            p.drawRect(2, y - 1, 1, 1);
    } else if (name == QLatin1String("format-text-bold"))
        letter(QStringLiteral("B"), true, false, false);
    else if (name == QLatin1String("format-text-italic"))
        letter(QStringLiteral("I"), false, true, false);
    else if (name == QLatin1String("format-text-underline"))
        letter(QStringLiteral("U"), false, false, true);
    else if (name == QLatin1String("format-text-color")) {
        letter(QStringLiteral("A"), true, false, false);
        p.fillRect(2, 13, 12, 3, QColor(0xFF0000));
    } else if (name == QLatin1String("format-text-highlight")) {
        p.fillRect(1, 2, 14, 12, QColor(0xFFFF00));
        letter(QStringLiteral("ab"), false, false, false);
    } else {
        return {};
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace artwork
