#pragma once

#include "core/ShellView.h"
#include "data/Rights.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QProgressBar;

namespace pellam::app {

// The main window: child windows in a multiple-document area, the menu that
// opens them, a status bar (1 status text, 3 the financial year, 4 the user)
// and a progress bar.
class PellamMenu : public QMainWindow, public ShellView {
    Q_OBJECT
public:
    explicit PellamMenu(QWidget* parent = nullptr);
    ~PellamMenu() override;

    // The menu item named `objectName`; null when there is none.
    QAction* item(const QString& objectName) const;
    // Makes a menu item open a window; items without an opener stay disabled.
    // An item that `needs` an action is usable only by users whose role
    // allows it (applyRights).
    void setOpener(const QString& objectName, std::function<void()> open, std::optional<data::Action> needs = {});
    // Enables the items with an opener that the logged-in user's role
    // allows and disables the others; done after every login.
    void applyRights();

    void setYearText(const QString& text);
    void setUserText(const QString& text);
    QString statusPanel(int panel) const;
    QProgressBar* progressBar() const { return PrgBar; }
    QMdiArea* area() const { return mdi_; }

    void setStatusText(const QString& text) override;
    void setProgress(int value, int mode, int maximum) override;

    // Asks for a login until one succeeds; false when the program ended.
    bool login();

public slots:
    void mnlog_Click();
    void mncalc_Click();
    void mnFExit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QAction* addItem(QMenu* menu, const QString& caption, const QString& name,
                     const QKeySequence& shortcut = {});
    void buildMenus();
    void refreshLogOffCaption();
    void fillWindowMenu();

    QMdiArea* mdi_;
    QLabel* panels_[4];
    QProgressBar* PrgBar;
    QMenu* windowMenu_ = nullptr;
    QHash<QString, QAction*> items_;
    QHash<QString, data::Action> needs_;
};

} // namespace pellam::app
