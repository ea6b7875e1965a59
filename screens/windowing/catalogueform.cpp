#include "screens/windowing/catalogueform.h"

#include "screens/help/helpsystem.h"
#include "screens/windowing/fieldhistory.h"
#include "screens/windowing/formbinder.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

CatalogueForm::CatalogueForm(
    const QString &procedure, const QString &helpKeyword, const QString &tabText, QWidget *parent)
    : QDialog(parent)
    , m_procedure(procedure)
    , m_helpKeyword(helpKeyword)
    , m_binder(new FormBinder(this))
    , m_sheet(new QTabWidget(this))
{
    setObjectName(procedure);
    auto *page = new QWidget(m_sheet);
    m_fields = new QFormLayout(page);
    m_sheet->addTab(page, tabText);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_sheet);
    m_binder->onAccepted = [this](int id) {
        if (m_actions.accepted)
            m_actions.accepted(m_ids.key(id));
    };
    m_binder->onStepped = m_binder->onAccepted;
    m_binder->onFocusIn = m_binder->onAccepted;
}

CatalogueForm::~CatalogueForm() { m_binder->stop(); }

int CatalogueForm::idOf(const QString &field)
{
    auto it = m_ids.constFind(field);
    if (it != m_ids.constEnd())
        return *it;
    const int id = int(m_ids.size()) + 1;
    m_ids.insert(field, id);
    return id;
}

QWidget *CatalogueForm::field(const QString &name) const
{
    return m_ids.contains(name) ? m_binder->widget(m_ids.value(name)) : nullptr;
}

QLineEdit *CatalogueForm::addText(const QString &field, const QString &prompt, int width, const QString &tip,
    std::function<QString()> get, std::function<void(const QString &)> set)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(field);
    edit->setMaxLength(width);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * std::min(width, 50) + 16);
    edit->setToolTip(tip);
    edit->setStatusTip(tip);
    m_binder->text(idOf(field), edit, std::move(get), std::move(set));
    auto *label = new QLabel(prompt, this);
    label->setBuddy(edit);
    m_fields->addRow(label, edit);
    return edit;
}

QLabel *CatalogueForm::addDisplay(const QString &prompt, std::function<QString()> text)
{
    auto *value = new QLabel(this);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_fields->addRow(new QLabel(prompt, this), value);
    m_displays.emplace_back(value, std::move(text));
    return value;
}

void CatalogueForm::finishLayout()
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto button = [&](const QString &text, const QString &tip, std::function<void()> action) {
        auto *b = new QPushButton(text, this);
        b->setToolTip(tip);
        b->setObjectName(text);
        m_binder->button(idOf(text), b, std::move(action));
        buttons->addWidget(b);
        return b;
    };
    QPushButton *ok = button(QStringLiteral("&OK"), m_okTip.isEmpty() ? QString() : m_okTip, [this] {
        if (m_actions.ok)
            m_actions.ok();
    });
    ok->setDefault(true);
    button(QStringLiteral("&Cancel"), QStringLiteral("Cancel without saving."), [this] {
        if (m_actions.cancel)
            m_actions.cancel();
    });
    button(QStringLiteral("&Help"), QStringLiteral("Help about this window."), [this] {
        if (HelpSystem *help = HelpSystem::instance())
            help->showKeyword(m_helpKeyword);
    });
    static_cast<QVBoxLayout *>(layout())->addLayout(buttons);
    FieldHistory::enable(this, m_procedure, [this](QWidget *w) {
        const int id = m_binder->idOf(w);
        if (id >= 0)
            m_binder->accept(id);
    });
}

void CatalogueForm::refresh()
{
    m_binder->load();
    for (const auto &[label, text] : m_displays)
        label->setText(text());
}

void CatalogueForm::moveFocus(const QString &name)
{
    // The focus moves once the event at hand is done, as a user's own move would.
    const bool scheduled = !m_pendingFocus.isEmpty();
    m_pendingFocus = name;
    if (scheduled)
        return;
    QTimer::singleShot(0, this, [this] {
        const QString target = m_pendingFocus;
        m_pendingFocus.clear();
        if (QWidget *w = field(target); w && !m_done)
            w->setFocus(Qt::OtherFocusReason);
    });
}

void CatalogueForm::recordSaved() { FieldHistory::remember(this); }

void CatalogueForm::closeForm()
{
    if (m_done)
        return;
    m_done = true;
    m_binder->stop();
    QDialog::done(m_actions.completed && m_actions.completed() ? QDialog::Accepted : QDialog::Rejected);
}

void CatalogueForm::reject()
{
    if (m_done) {
        QDialog::reject();
        return;
    }
    // Escape and the close box see what was typed, as the Cancel button does.
    m_binder->takeTyped();
    if (m_actions.cancel)
        m_actions.cancel();
}

void CatalogueForm::closeEvent(QCloseEvent *event)
{
    if (m_done) {
        QDialog::closeEvent(event);
        return;
    }
    // The close box is Cancel: it may ask first and the form may stay.
    event->ignore();
    reject();
}
