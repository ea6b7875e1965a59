#include "screens/calculators/win_calcparts.h"

#include "platform/gui/desktopcalculator.h"
#include "screens/help/helpsystem.h"
#include "screens/help/helpwindow.h" // helpsystem.h needs the complete type
#include "screens/widgets/artwork.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace calcparts
{

QPushButton *pictureButton(const QString &iconName, const QString &tip, QWidget *parent)
{
    auto *b = new QPushButton(parent);
    QIcon icon = QIcon::fromTheme(iconName);
    if (icon.isNull())
        icon = artwork::buttonIcon(
            iconName == QLatin1String("edit-copy") ? artwork::ButtonPicture::Copy : artwork::ButtonPicture::Calculator);
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
    // As high as an entry field wherever it stands, whatever room its row has, and its value
    // kept off the box's edges.
    l->setContentsMargins(4, 0, 4, 0);
    l->setFixedHeight(QLineEdit().sizeHint().height());
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QLatin1Char('0')) * minimumChars + 16);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace calcparts
