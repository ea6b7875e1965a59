#include "screens/calculators/win_calcparts.h"

#include "platform/gui/desktopcalculator.h"
#include "screens/help/helpsystem.h"
#include "screens/help/helpwindow.h" // helpsystem.h needs the complete type

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace calcparts
{

namespace
{

// Drawn pictures, so a button never shows empty where the desktop has no icon theme.
QIcon drawnCalculator()
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(210, 210, 210));
    p.drawRoundedRect(4, 1, 16, 22, 2, 2);
    p.setBrush(QColor(180, 220, 180));
    p.drawRect(6, 3, 12, 5);
    p.setBrush(QColor(90, 90, 90));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(6 + col * 4, 10 + row * 4, 2, 2);
    return QIcon(pm);
}

QIcon drawnCopy()
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(3, 2, 12, 15);
    p.drawRect(9, 7, 12, 15);
    for (int y = 11; y < 20; y += 3)
        p.drawLine(11, y, 19, y);
    return QIcon(pm);
}

} // namespace

QPushButton *pictureButton(const QString &iconName, const QString &tip, QWidget *parent)
{
    auto *b = new QPushButton(parent);
    QIcon icon = QIcon::fromTheme(iconName);
    if (icon.isNull())
        icon = iconName == QLatin1String("edit-copy") ? drawnCopy() : drawnCalculator();
    b->setIcon(icon);
    b->setIconSize(QSize(24, 24));
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    return b;
}

QPushButton *calculatorButton(QWidget *parent)
{
    auto *b = pictureButton(QStringLiteral("accessories-calculator"), QStringLiteral("Calculator"), parent);
    b->setObjectName(QStringLiteral("calculator"));
    // No message when there is no calculator to start: the button simply does nothing.
    QObject::connect(b, &QPushButton::clicked, b, [] { desktopcalculator::start(); });
    return b;
}

QPushButton *copyButton(const QString &tip, QWidget *parent)
{
    auto *b = pictureButton(QStringLiteral("edit-copy"), tip, parent);
    b->setObjectName(QStringLiteral("copy"));
    return b;
}

QPushButton *helpButton(const QString &keyword, const QString &tip, QWidget *parent)
{
    auto *b = button(QStringLiteral("&Help"), tip, parent);
    b->setObjectName(QStringLiteral("help"));
    QObject::connect(b, &QPushButton::clicked, b, [keyword] {
        if (HelpSystem *help = HelpSystem::instance())
            help->showKeyword(keyword);
    });
    return b;
}

QPushButton *button(const QString &text, const QString &tip, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

QLabel *prompt(const QString &text, QWidget *buddy)
{
    auto *l = new QLabel(text, buddy ? buddy->parentWidget() : nullptr);
    l->setBuddy(buddy);
    return l;
}

QLabel *display(const QString &objectName, QWidget *parent, int minimumChars)
{
    auto *l = new QLabel(parent);
    l->setObjectName(objectName);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QLatin1Char('0')) * minimumChars + 8);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace calcparts
