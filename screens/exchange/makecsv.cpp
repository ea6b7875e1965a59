#include "screens/exchange/makecsv.h"

#include "records/settings.h"
#include "screens/exchange/viewcsvfile.h"
#include "screens/windowing/windowhost.h"
#include "screens/windowing/windowregistry.h"
#include "screens/windowing/windowstatebinding.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

const QString kProcedure = QStringLiteral("MakeCSV");

} // namespace

MakeCsv::MakeCsv(QWidget *parent)
    : QDialog(parent)
    , m_prompter(this)
    , m_logic(settings::dataFolder(), m_prompter, *this)
{
    setWindowTitle(MakeCsvLogic::caption());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *layout = new QVBoxLayout(this);
    m_percent = new QLabel(MakeCsvLogic::percentText(0), this);
    m_percent->setAlignment(Qt::AlignCenter);
    m_userText = new QLabel(this);
    m_userText->setAlignment(Qt::AlignCenter);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cancel);
    row->addStretch();
    layout->addWidget(m_userText);
    layout->addWidget(m_bar);
    layout->addWidget(m_percent);
    layout->addLayout(row);
    setMinimumWidth(260);
    connect(cancel, &QPushButton::clicked, this, &MakeCsv::reject);
    m_timer.setInterval(MakeCsvLogic::kTimerMs);
    connect(&m_timer, &QTimer::timeout, this, &MakeCsv::step);
}

bool MakeCsv::begin()
{
    if (!m_logic.start())
        return false;
    m_timer.start();
    return true;
}

void MakeCsv::showProgress(int percent)
{
    m_bar->setValue(percent);
    m_percent->setText(MakeCsvLogic::percentText(percent));
}

void MakeCsv::step()
{
    if (!m_logic.step())
        end();
}

void MakeCsv::reject()
{
    // Cancel (or Esc, or the close box): the lines so far stay and the viewer still follows.
    m_logic.cancel();
    end();
}

void MakeCsv::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_timer.stop();
    m_logic.finish();
    hide();
    ViewCsvFile::call(parentWidget());
    WindowStateBinding::storeNow(this);
    done(QDialog::Accepted); // a started window deletes itself here
}

void startMakeCsv(QWidget *parent)
{
    if (WindowHost::bringToFront(kProcedure))
        return;
    auto *window = new MakeCsv(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    WindowHost::setProcedure(window, kProcedure);
    WindowRegistry::instance().add(kProcedure, window);
    WindowStateBinding::bind(window, kProcedure, WindowStateBinding::FixedSize);
    if (!window->begin()) {
        window->close();
        return;
    }
    window->show();
}

void callMakeCsv(QWidget *parent)
{
    if (WindowHost::bringToFront(kProcedure))
        return;
    MakeCsv window(parent);
    WindowHost::setProcedure(&window, kProcedure);
    WindowRegistry::instance().add(kProcedure, &window);
    WindowStateBinding::bind(&window, kProcedure, WindowStateBinding::FixedSize);
    if (!window.begin())
        return;
    window.exec();
}
