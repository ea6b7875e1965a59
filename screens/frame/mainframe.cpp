#include "screens/frame/mainframe.h"

#include "platform/gui/desktopcalculator.h"
#include "platform/gui/sharedprinter.h"
#include "platform/messages.h"
#include "platform/prompter.h"
#include "records/globals.h"
#include "screens/brews/browsebrews.h"
#include "screens/calculators/calculators.h"
#include "screens/frame/win_about.h"
#include "screens/help/helpsystem.h"
#include "screens/preferences/win_setprgdefaults.h"
#include "screens/widgets/artwork.h"
#include "screens/windowing/windowarranger.h"
#include "screens/windowing/windowcatalogue.h"
#include "screens/windowing/windowhost.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

namespace
{

// The MDI area paints the background picture, scaled to its size.
class BackgroundArea : public QMdiArea
{
protected:
    void resizeEvent(QResizeEvent *event) override
    {
        setBackground(artwork::frameBackground(viewport()->size()));
        QMdiArea::resizeEvent(event);
    }
};

} // namespace

MainFrame::MainFrame(Prompter &prompter, ProgramDefaultsLogic::BrewCounter countBrews, QWidget *parent)
    : QMainWindow(parent)
    , m_prompter(prompter)
    , m_countBrews(std::move(countBrews))
    , m_logic(*this)
    , m_area(new BackgroundArea)
{
    WindowHost::setProcedure(this, QString::fromLatin1(kProcedure));
    setWindowTitle(QStringLiteral("Maltwright 3 - Version 1.43"));
    setWindowIcon(artwork::programIcon());
    setCentralWidget(m_area);
    WindowHost::setMdiArea(m_area);
    resize(900, 640);

    buildMenus();
    buildToolbar();
    buildStatusBar();

    // The browse-open flag is applied whenever the frame refreshes: a child window
    // activated or gone, the frame itself activated.
    connect(m_area, &QMdiArea::subWindowActivated, this, [this] { m_logic.refresh(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        // The Edit menu works on the last field that had the focus, not on the menu itself.
        if (now && !qobject_cast<QMenu *>(now) && !qobject_cast<QMenuBar *>(now))
            m_lastField = now;
        m_logic.refresh();
    });
    m_clock.setInterval(MainFrameLogic::timerIntervalMs());
    connect(&m_clock, &QTimer::timeout, this, [this] { m_logic.tick(); });
}

MainFrame::~MainFrame()
{
    // Hiding the frame while it is torn down moves the focus and may activate a child window; the
    // refresh those signals run must not reach a frame that is already half gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    disconnect(m_area, &QMdiArea::subWindowActivated, this, nullptr);
    if (WindowHost::mdiArea() == m_area)
        WindowHost::setMdiArea(nullptr);
}

void MainFrame::opened()
{
    m_clock.start();
    m_logic.opened();
}

MainFrame::Handler MainFrame::windowOpener(const QString &procedure)
{
    // A command whose window is not part of the program yet has none and stands disabled.
    const WindowCatalogue::Opener open = WindowCatalogue::instance().opener(procedure);
    if (!open)
        return {};
    return [this, open] { open(this); };
}

QAction *MainFrame::addCommand(QMenu *menu, const QString &text, const QString &statusTip, Handler handler)
{
    auto *action = menu->addAction(text);
    action->setStatusTip(statusTip);
    if (handler)
        connect(action, &QAction::triggered, this, [handler] { handler(); });
    else
        action->setEnabled(false);
    m_commands << action;
    return action;
}

QAction *MainFrame::browseCommand(QMenu *menu, const QString &text, const QString &statusTip, const QString &procedure)
{
    Handler open = windowOpener(procedure);
    if (!open)
        return addCommand(menu, text, statusTip, {});
    return addCommand(menu, text, statusTip, [this, open] {
        m_logic.browseCommandChosen();
        open();
    });
}

void MainFrame::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto menu = [bar, this](const QString &title, const QString &statusTip) {
        QMenu *m = bar->addMenu(title);
        m->menuAction()->setStatusTip(statusTip);
        m_commands << m->menuAction();
        return m;
    };
    auto submenu = [this](QMenu *parent, const QString &title) {
        QMenu *m = parent->addMenu(title);
        m_commands << m->menuAction();
        return m;
    };
    auto start = [this](const char *procedure) { return windowOpener(QString::fromLatin1(procedure)); };

    QMenu *file = menu(QStringLiteral("&File"), {});
    addCommand(file, QStringLiteral("&Print Setup ..."), QStringLiteral("Setup printer"), [this] { printSetup(); });
    Handler exportAll = start("MakeCSV");
    m_exportWired = bool(exportAll);
    m_export = addCommand(file, QStringLiteral("Export all Brew Records to CSV File"), {}, exportAll);
    file->addSeparator();
    addCommand(file, QStringLiteral("E&xit"), QStringLiteral("Exit this application"), [this] { close(); });

    QMenu *edit = menu(QStringLiteral("&Edit"), {});
    addCommand(edit, QStringLiteral("Cu&t"), QStringLiteral("Remove item to Windows Clipboard"),
        [this] { editCommand("cut"); });
    addCommand(edit, QStringLiteral("&Copy"), QStringLiteral("Copy item to Windows Clipboard"),
        [this] { editCommand("copy"); });
    addCommand(edit, QStringLiteral("&Paste"), QStringLiteral("Paste contents of Windows Clipboard"),
        [this] { editCommand("paste"); });

    QMenu *browse = menu(QStringLiteral("&Browse"), {});
    browseCommand(
        browse, QStringLiteral("&Browse Brews"), QStringLiteral("Browse HOMEBREW"), QStringLiteral("BrowseBrews"));
    browseCommand(browse, QStringLiteral("Br&owse Kits/Recipes"), {}, QStringLiteral("BrowseKitsRecipes"));
    browseCommand(browse, QStringLiteral("Browse &Web Links"), {}, QStringLiteral("BrowseWebLinks"));
    browseCommand(browse, QStringLiteral("Browse &Shopping List"), {}, QStringLiteral("BrowseShoppingList"));

    QMenu *reports = menu(QStringLiteral("&Reports"), QStringLiteral("Report data"));
    addCommand(reports, QStringLiteral("Brewers Record Sheet"), {}, start("Rpt_BrewingRecordSheet"));
    QMenu *list = submenu(reports, QStringLiteral("List &Brews"));
    const char *const listReports[][2] = {
        { "By &Batch number - Descending", "Rpt_BrewsByBatchNo" },
        { "By &Record Order - Ascending", "Rpt_BrewsByRecordNo" },
        { "By &Kit/Recipe name - Ascending", "Rpt_BrewsByKitRecipe" },
        { "By &Date Down - Descending", "Rpt_BrewsByDateDown" },
        { "By &Cost of Brew - (Brews with no cost excluded)", "Rpt_BrewsByCost" },
        { "By &Tasting Score - Best to worst", "Rpt_ByTasteScore" },
        { "For a &Selected Batch Range Only", "Win_PrintFromToRange" },
    };
    for (const auto &r : listReports)
        addCommand(list, QString::fromUtf8(r[0]), {}, start(r[1]));
    QMenu *stock = submenu(reports, QStringLiteral("&Stock on Hand Only"));
    const char *const stockReports[][2] = {
        { "&Brews in Stock by Batch Number   ", "Rpt_ByBatchNumberInStock" },
        { "Brews in &Stock by Record Order", "Rpt_ByRecordNumberInStock" },
        { "Brews in &Stock by Tasting Score", "Rpt_ByTasteScoreInstock" },
    };
    for (const auto &r : stockReports)
        addCommand(stock, QString::fromUtf8(r[0]), {}, start(r[1]));
    const char *const otherReports[][2] = {
        { "&List Kits\\Recipes", "Rpt_KitsRecipes" },
        { "&Shopping List", "Rpt_ShoppingList" },
        { "T&asting score sheet (plain)", "Rpt_TastingScoreSheetNoBrew" },
        { "List &Web Links", "Rpt_WebLinks" },
    };
    for (const auto &r : otherReports)
        addCommand(reports, QString::fromUtf8(r[0]), {}, start(r[1]));

    QMenu *prefs = menu(QStringLiteral("&Preferences"), {});
    addCommand(prefs, QStringLiteral("&Program Defaults   "), {},
        [this] { Win_SetPrgDefaults::call(m_prompter, m_countBrews, this); });
    QMenu *display = submenu(prefs, QStringLiteral("&Display"));
    addCommand(display, QStringLiteral("&Display Toolbar"), {}, [this] { m_logic.showToolbar(true); });
    addCommand(display, QStringLiteral("&Hide Toolbar"), {}, [this] { m_logic.showToolbar(false); });

    QMenu *utilities = menu(QStringLiteral("&Utilities"), {});
    addCommand(utilities, QStringLiteral("&Unit Conversion"), {}, start("Win_UnitConversions"));
    Handler cost = start("Win_CalculateCost");
    addCommand(utilities, QStringLiteral("C&ost Calculator"), {},
        cost ? Handler([cost] {
            // The calculator opened from the frame belongs to no brew.
            glo().GETKITNAME.clear();
            glo().GETBATCHNAME.clear();
            glo().GETBATCHNUMBER = 0;
            cost();
        })
             : Handler());
    addCommand(utilities, QStringLiteral("&Alcohol % Calculator"), {}, start("Win_AlcCalculator"));
    addCommand(utilities, QStringLiteral("&Gravity Correction"), {}, start("Win_GravityCorrectionUtility"));
    addCommand(utilities, QStringLiteral("&Calculator"), {}, [] { desktopcalculator::start(); });
    utilities->addSeparator();
    Handler backup = start("Win_BackupData");
    m_backupWired = bool(backup);
    m_backup = addCommand(utilities, QStringLiteral("&Backup Data Files"), {}, backup);

    QMenu *window = menu(QStringLiteral("&Window"), QStringLiteral("Create and Arrange windows"));
    addCommand(window, QStringLiteral("T&ile"), QStringLiteral("Make all open windows visible"),
        [this] { WindowArranger::tile(m_area); });
    addCommand(window, QStringLiteral("&Cascade"), QStringLiteral("Stack all open windows"),
        [this] { WindowArranger::cascade(m_area); });
    addCommand(
        window, QStringLiteral("&Arrange Icons"), QStringLiteral("Align all window icons"), [this] { arrangeIcons(); });

    QMenu *help = menu(QStringLiteral("&Help"), QStringLiteral("Windows Help"));
    addCommand(help, QStringLiteral("&Contents"), QStringLiteral("View the contents of the help file"), [] {
        if (HelpSystem *h = HelpSystem::instance())
            h->showContents();
    });
    addCommand(help, QStringLiteral("&About Maltwright 3"), {}, windowOpener(Win_About::kProcedure));
}

void MainFrame::buildToolbar()
{
    using artwork::ToolPicture;
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("MainToolbar"));
    m_toolbar->setMovable(false);
    m_toolbar->setIconSize(QSize(32, 32));
    // The toolbar shares the menu's commands, so the enabling rules hold for both.
    auto add = [this](ToolPicture picture, const QString &tip, QAction *command) {
        auto *a = m_toolbar->addAction(artwork::toolIcon(picture), tip);
        a->setToolTip(tip);
        a->setEnabled(command->isEnabled());
        connect(a, &QAction::triggered, command, &QAction::trigger);
        connect(command, &QAction::changed, a, [a, command] { a->setEnabled(command->isEnabled()); });
        return a;
    };
    add(ToolPicture::BrowseBrews, QStringLiteral("Browse Brews"), command(QStringLiteral("&Browse Brews")));
    add(ToolPicture::Kits, QStringLiteral("Browse Kits/Recipes"), command(QStringLiteral("Br&owse Kits/Recipes")));
    add(ToolPicture::Calculator, QStringLiteral("Calculator"), command(QStringLiteral("&Calculator")));
    add(ToolPicture::Exit, QStringLiteral("EXIT - Close program"), command(QStringLiteral("E&xit")));
    add(ToolPicture::WebLinks, QStringLiteral("Web links"), command(QStringLiteral("Browse &Web Links")));
    add(ToolPicture::Units, QStringLiteral("Unit Converion"), command(QStringLiteral("&Unit Conversion")));
    add(ToolPicture::Cost, QStringLiteral("Cost Calculator"), command(QStringLiteral("C&ost Calculator")));
    add(ToolPicture::Shopping, QStringLiteral("Shopping List"), command(QStringLiteral("Browse &Shopping List")));
    m_toolbarBackup = add(ToolPicture::Backup,
        QStringLiteral("Backup your Maltwright data files.\n (Disabled if a window is open)"), m_backup);
}

void MainFrame::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    m_date = new QLabel(bar);
    m_time = new QLabel(bar);
    m_date->setMinimumWidth(220);
    m_time->setMinimumWidth(80);
    bar->addPermanentWidget(m_date);
    bar->addPermanentWidget(m_time);
}

QAction *MainFrame::command(const QString &text) const
{
    for (QAction *a : m_commands)
        if (a->text() == text)
            return a;
    return nullptr;
}

QList<QAction *> MainFrame::toolbarCommands() const { return m_toolbar->actions(); }

void MainFrame::openBrowseBrews()
{
    // The brew browse opens here once it is part of the program.
    if (Handler open = windowOpener(QStringLiteral("BrowseBrews")))
        open();
}

void MainFrame::setToolbarVisible(bool visible) { m_toolbar->setVisible(visible); }

void MainFrame::setExportAndBackupEnabled(bool enabled)
{
    m_export->setEnabled(enabled && m_exportWired);
    m_backup->setEnabled(enabled && m_backupWired);
    if (m_toolbarBackup)
        m_toolbarBackup->setEnabled(m_backup->isEnabled());
}

void MainFrame::setStatusDate(const QString &text) { m_date->setText(text); }

void MainFrame::setStatusTime(const QString &text) { m_time->setText(text); }

void MainFrame::runFirstRunPrompt() { Win_SetPrgDefaultsYN::call(m_prompter, m_countBrews, this); }

void MainFrame::reportFailure(const Result &failure)
{
    m_prompter.tell(messages::error(QStringLiteral("Maltwright"), failure.message()));
}

void MainFrame::editCommand(const char *slot)
{
    QWidget *w = m_lastField;
    if (!w)
        return;
    // A spin box or an editable combo edits through its inner line edit.
    if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
        w = combo->lineEdit();
    else if (qobject_cast<QAbstractSpinBox *>(w))
        if (auto *edit = w->findChild<QLineEdit *>())
            w = edit;
    if (w->metaObject()->indexOfMethod(QByteArray(slot) + "()") >= 0)
        QMetaObject::invokeMethod(w, slot);
}

void MainFrame::arrangeIcons()
{
    // The minimised children in a row along the bottom of the area.
    int x = 0;
    const int bottom = m_area->viewport()->height();
    for (QMdiSubWindow *sub : m_area->subWindowList()) {
        if (!sub->isMinimized())
            continue;
        const QSize s = sub->size();
        sub->move(x, bottom - s.height());
        x += s.width();
    }
}

void MainFrame::printSetup()
{
    QPageSetupDialog dialog(&sharedPrinter(), this);
    dialog.exec();
}

bool MainFrame::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_logic.refresh();
    return QMainWindow::event(event);
}

void MainFrame::closeEvent(QCloseEvent *event)
{
    // Every child first, each keeping its own placement; a child that refuses keeps the frame open.
    m_area->closeAllSubWindows();
    const QList<QMdiSubWindow *> left = m_area->subWindowList();
    if (std::any_of(left.begin(), left.end(), [](QMdiSubWindow *w) { return w->isVisible(); })) {
        event->ignore();
        return;
    }
    m_clock.stop();
    WindowStateBinding::storeNow(this);
    if (HelpSystem *help = HelpSystem::instance(); help && help->window())
        help->window()->close();
    event->accept();
}
