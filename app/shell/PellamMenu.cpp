#include "shell/PellamMenu.h"

#include "core/AppState.h"
#include "core/Common.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "core/UserRights.h"
#include "help/HelpViewer.h"
#include "shell/Calculator.h"
#include "shell/frmLogin.h"
#include "shell/ProgramEnd.h"
#include "system/SystemServices.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>

namespace pellam::app {

namespace {

// A caption shown as it is in a menu: an "&" of its own marks no letter.
QString literalCaption(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// The letters of the open windows in the Window menu: digits first, then
// the letters the arranging items above them leave free.
const QString kWindowLetters = QStringLiteral("123456789BDEFGIJKLMNOPQRSTUWXYZ");

} // namespace

PellamMenu::PellamMenu(QWidget* parent) : QMainWindow(parent), mdi_(new QMdiArea(this)), PrgBar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("PellamMenu"));
    setWindowTitle(QStringLiteral("Pellam Accounts"));
    setCentralWidget(mdi_);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < 4; ++i) {
        panels_[i] = new QLabel(this);
        panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        bar->addPermanentWidget(panels_[i], i == 0 ? 4 : 1);
    }
    PrgBar->setObjectName(QStringLiteral("PrgBar"));
    PrgBar->setVisible(false);
    bar->addPermanentWidget(PrgBar, 2);

    buildMenus();
    resize(1024, 720);
    setMdiArea(mdi_);
    setShellView(this);
}

PellamMenu::~PellamMenu()
{
    if (&shellView() == this)
        setShellView(nullptr);
    if (mdiArea() == mdi_)
        setMdiArea(nullptr);
}

QAction* PellamMenu::addItem(QMenu* menu, const QString& caption, const QString& name, const QKeySequence& shortcut)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    // A window that is not built yet stays visible but cannot be chosen.
    a->setEnabled(false);
    items_.insert(name, a);
    return a;
}

void PellamMenu::buildMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    addItem(file, QStringLiteral("Change &Password"), QStringLiteral("chpass"));
    file->addSeparator();
    addItem(file, QStringLiteral("&Log Off User"), QStringLiteral("mnlog"));
    file->addSeparator();
    addItem(file, QStringLiteral("&Calculator"), QStringLiteral("mncalc"), QKeySequence(Qt::CTRL | Qt::Key_C));
    file->addSeparator();
    addItem(file, QStringLiteral("&Exit"), QStringLiteral("mnFExit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    // A top-level item without sub-items: it opens the voucher window itself.
    QAction* journal = bar->addAction(QStringLiteral("&Receipt && Payment"));
    journal->setObjectName(QStringLiteral("MnEJou"));
    journal->setEnabled(false);
    items_.insert(journal->objectName(), journal);

    QMenu* masters = bar->addMenu(QStringLiteral("&Main"));
    addItem(masters, QStringLiteral("&Institutions"), QStringLiteral("mnuinst"));
    masters->addSeparator();
    addItem(masters, QStringLiteral("&Ledger Heads"), QStringLiteral("mnFileAcc"));

    QMenu* reports = bar->addMenu(QStringLiteral("Rep&orts"));
    addItem(reports, QStringLiteral("&Receipt && Payment"), QStringLiteral("MnRp"), QKeySequence(Qt::CTRL | Qt::Key_P));
    addItem(reports, QStringLiteral("&Ledger"), QStringLiteral("MnRLedger"));
    reports->addSeparator();
    addItem(reports, QStringLiteral("&Monthly Statement"), QStringLiteral("MnMth"), QKeySequence(Qt::CTRL | Qt::Key_M));
    addItem(reports, QStringLiteral("&Quarter Statement"), QStringLiteral("mnrptqt"));
    reports->addSeparator();
    addItem(reports, QStringLiteral("&Income && Expenditure"), QStringLiteral("MnRptR"));

    QMenu* utilities = bar->addMenu(QStringLiteral("&Utilities"));
    addItem(utilities, QStringLiteral("&Options"), QStringLiteral("mntopt"));
    utilities->addSeparator();
    addItem(utilities, QStringLiteral("&Accounts List"), QStringLiteral("Acc"));
    addItem(utilities, QStringLiteral("Accounts &Setup"), QStringLiteral("MnuUsetup"));
    utilities->addSeparator();
    addItem(utilities, QStringLiteral("&Import Vouchers"), QStringLiteral("mnImport"));
    utilities->addSeparator();
    addItem(utilities, QStringLiteral("&Back Up Data"), QStringLiteral("mnBk"), QKeySequence(Qt::CTRL | Qt::Key_B));
    addItem(utilities, QStringLiteral("&Restore Data"), QStringLiteral("MnuTRst"));
    utilities->addSeparator();
    addItem(utilities, QStringLiteral("&User Manager"), QStringLiteral("mnUser"));
    utilities->addSeparator();
    addItem(utilities, QStringLiteral("&Yearly Closing && Create Database"), QStringLiteral("yrcldb"));
    addItem(utilities, QStringLiteral("Check &Carried Balances"), QStringLiteral("mnCarry"));

    windowMenu_ = bar->addMenu(QStringLiteral("&Window"));
    connect(windowMenu_, &QMenu::aboutToShow, this, &PellamMenu::fillWindowMenu);
    fillWindowMenu();

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    addItem(help, QStringLiteral("Help &Contents"), QStringLiteral("MnHlpCont"), QKeySequence(Qt::Key_F1));
    addItem(help, QStringLiteral("Help &Index"), QStringLiteral("Hlpidx"));
    help->addSeparator();
    addItem(help, QStringLiteral("&About Pellam Accounting"), QStringLiteral("mnAbout"));

    setOpener(QStringLiteral("mnlog"), [this] { mnlog_Click(); });
    setOpener(QStringLiteral("mncalc"), [this] { mncalc_Click(); });
    setOpener(QStringLiteral("mnFExit"), [this] { mnFExit_Click(); });
    setOpener(QStringLiteral("MnHlpCont"), [] { helpViewer().showContents(state().HelpFile, 0); });
    setOpener(QStringLiteral("Hlpidx"), [] { helpViewer().showIndex(state().HelpFile, 0); });
}

void PellamMenu::fillWindowMenu()
{
    windowMenu_->clear();
    const auto add = [this](const QString& caption, const QString& name, auto action) {
        QAction* a = windowMenu_->addAction(caption);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, action);
        items_.insert(name, a);
    };
    add(QStringLiteral("&Cascade"), QStringLiteral("mnuWindowCascade"), [this] { mdi_->cascadeSubWindows(); });
    add(QStringLiteral("Tile &Horizontal"), QStringLiteral("mnuWindowTileHorizontal"), [this] {
        // One above the other, each the full width.
        const auto subs = mdi_->subWindowList();
        const QRect r = mdi_->viewport()->rect();
        for (int i = 0; i < subs.size(); ++i)
            subs[i]->setGeometry(0, r.height() * i / subs.size(), r.width(), r.height() / subs.size());
    });
    add(QStringLiteral("Tile &Vertical"), QStringLiteral("mnuWindowTileVertical"), [this] {
        // Side by side, each the full height.
        const auto subs = mdi_->subWindowList();
        const QRect r = mdi_->viewport()->rect();
        for (int i = 0; i < subs.size(); ++i)
            subs[i]->setGeometry(r.width() * i / subs.size(), 0, r.width() / subs.size(), r.height());
    });
    add(QStringLiteral("&Arrange Icons"), QStringLiteral("mnuWindowArrangeIcons"), [this] {
        // Minimised windows in a row along the bottom edge.
        int x = 0;
        for (QMdiSubWindow* sub : mdi_->subWindowList()) {
            if (!sub->isMinimized())
                continue;
            sub->move(x, mdi_->viewport()->height() - sub->height());
            x += sub->width();
        }
    });
    const auto subs = mdi_->subWindowList();
    if (!subs.isEmpty())
        windowMenu_->addSeparator();
    for (int i = 0; i < subs.size(); ++i) {
        QMdiSubWindow* sub = subs[i];
        const QString caption = literalCaption(sub->windowTitle());
        QAction* a = windowMenu_->addAction(i < kWindowLetters.size()
                                                ? QStringLiteral("&%1 %2").arg(kWindowLetters[i], caption)
                                                : caption);
        a->setCheckable(true);
        a->setChecked(sub == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { mdi_->setActiveSubWindow(sub); });
    }
}

QAction* PellamMenu::item(const QString& objectName) const
{
    return items_.value(objectName, nullptr);
}

void PellamMenu::setOpener(const QString& objectName, std::function<void()> open, std::optional<data::Action> needs)
{
    QAction* a = item(objectName);
    if (!a)
        return;
    disconnect(a, &QAction::triggered, nullptr, nullptr);
    connect(a, &QAction::triggered, this, [open = std::move(open)] { open(); });
    a->setEnabled(true);
    if (needs)
        needs_.insert(objectName, *needs);
    else
        needs_.remove(objectName);
}

void PellamMenu::applyRights()
{
    const data::Role role = currentRole();
    for (auto it = needs_.cbegin(); it != needs_.cend(); ++it)
        if (QAction* a = item(it.key()))
            a->setEnabled(data::Rights::allows(role, it.value()));
}

void PellamMenu::setYearText(const QString& text)
{
    panels_[2]->setText(text);
}

void PellamMenu::setUserText(const QString& text)
{
    panels_[3]->setText(text);
    refreshLogOffCaption();
}

QString PellamMenu::statusPanel(int panel) const
{
    return panel >= 1 && panel <= 4 ? panels_[panel - 1]->text() : QString();
}

void PellamMenu::setStatusText(const QString& text)
{
    panels_[0]->setText(text);
    panels_[0]->repaint();
}

void PellamMenu::setProgress(int value, int mode, int maximum)
{
    if (mode == 2) {
        PrgBar->setVisible(false);
        return;
    }
    if (mode == 1) {
        PrgBar->setVisible(true);
        PrgBar->setMinimum(0);
        PrgBar->setMaximum(std::max(0, maximum));
        PrgBar->setValue(0);
    }
    if (PrgBar->maximum() >= value)
        PrgBar->setValue(value);
}

void PellamMenu::refreshLogOffCaption()
{
    if (QAction* a = item(QStringLiteral("mnlog")))
        a->setText(QStringLiteral("&Log Off ") + literalCaption(state().Util.UserName()));
}

void PellamMenu::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        refreshLogOffCaption();
    QMainWindow::changeEvent(event);
}

bool PellamMenu::login()
{
    frmLogin dialog(this);
    runModal(dialog);
    if (!dialog.LoginSucceeded || programEnded())
        return false;
    setUserText(state().Util.UserName());
    applyRights();
    return true;
}

void PellamMenu::mnlog_Click()
{
    ShowStatus(QStringLiteral("Closing Databses,Tables,open windows ...."));
    state().Util.setUserName(QString());
    setUserText(QString());
    closeChildWindows();
    ShowStatus(QString());
    login();
}

void PellamMenu::mncalc_Click()
{
    Calculator::start();
}

void PellamMenu::mnFExit_Click()
{
    close();
}

void PellamMenu::closeEvent(QCloseEvent* event)
{
    if (!programEnded()) {
        if (say(QStringLiteral("Are You Sure to END This Session ?"), MessageIcon::Question, MessageButtons::YesNo) !=
            MessageAnswer::Yes) {
            event->ignore();
            return;
        }
    }
    helpViewer().close();
    closeChildWindows();
    event->accept();
    endProgram();
}

} // namespace pellam::app
