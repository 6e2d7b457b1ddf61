// The day list below the entry boxes, and the form's compact and tall heights.
#include "vouchers/FrmJournal.h"

#include "common/HostForm.h"
#include "core/AppState.h"
#include "core/MdiHost.h"
#include "core/Say.h"
#include "errors/PellamError.h"
#include "format/DateText.h"
#include "grids/ListGrid.h"
#include "data/VoucherStore.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace pellam::app {

namespace {

constexpr int kCompactTwips = 3420;
// Below this height there is no room for a list.
constexpr int kSmallestWithList = 4620;

} // namespace

int FrmJournal::formHeightTwips() const
{
    return height() * ctl::twipsPerPixel;
}

void FrmJournal::Check1_Click()
{
    if (Check1->isChecked())
        ShowDayList();
    else
        setFormHeight(kCompactTwips);
}

void FrmJournal::setFormHeight(int twips)
{
    const int pixels = ctl::pixelsOf(twips);
    Frame2->setVisible(twips > kCompactTwips);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->resize(sub->width(), pixels + (sub->height() - height()));
    resize(width(), pixels);
}

void FrmJournal::ShowDayList()
{
    if (!Check1->isChecked())
        return;
    QMdiArea* mdi = mdiArea();
    const int clientTwips = (mdi ? mdi->viewport()->height() : ctl::pixelsOf(kCompactTwips)) * ctl::twipsPerPixel;
    const int twips = clientTwips - 100;
    if (twips < kSmallestWithList) {
        setFormHeight(kCompactTwips);
        return;
    }
    setFormHeight(twips);
    Frame2->setTitle(QStringLiteral("Details of ") + TxtJouDate->text());
    Frame2->resize(Frame2->width(), height() - Frame2->y() - ctl::pixelsOf(50));
    ListGrid1->resize(ListGrid1->width(), Frame2->height() - ctl::pixelsOf(250));
    const auto date = datetext::parse(TxtJouDate->text());
    if (!date)
        return;
    try {
        ListGrid1->SetGridProperties(VoucherStore(state().Conn).dayList(*date, state().CashAccNo), {100, 800, 300, 3500, 1000, 6000},
                                     {QStringLiteral("*"), QStringLiteral("J. No.")});
    } catch (const PellamError& e) {
        say(e.Description(), MessageIcon::Information);
    }
}

} // namespace pellam::app
