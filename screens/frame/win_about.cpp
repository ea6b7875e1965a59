#include "screens/frame/win_about.h"

#include "screens/widgets/artwork.h"
#include "screens/windowing/windowhost.h"
#include "screens/windowing/windowregistry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

Win_About::Win_About(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(QStringLiteral("About Maltwright 3 -  Version 1.43"));
    setWindowIcon(artwork::programIcon());
    auto *layout = new QHBoxLayout(this);
    auto *picture = new QLabel(this);
    picture->setPixmap(artwork::beerGlass(96));
    layout->addWidget(picture);
    auto *right = new QVBoxLayout;
    auto *name = new QLabel(QStringLiteral("Maltwright 3"), this);
    QFont f = name->font();
    f.setPointSize(f.pointSize() * 2);
    f.setBold(true);
    name->setFont(f);
    right->addWidget(name);
    right->addWidget(new QLabel(QStringLiteral("Version 1.43"), this));
    right->addWidget(new QLabel(QStringLiteral("The home brewer's log."), this));
    right->addStretch();
    m_close = new QPushButton(QStringLiteral("Cl&ose"), this);
    m_close->setDefault(true);
    right->addWidget(m_close, 0, Qt::AlignRight);
    layout->addLayout(right);
    connect(m_close, &QPushButton::clicked, this, [this] {
        // Inside the frame its MDI child is what closes (and keeps the placement).
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
    });
}

QWidget *Win_About::start()
{
    return WindowHost::startOnce(
        kProcedure, [] { return new Win_About; }, WindowStateBinding::FixedSize);
}
