#include "reports/LedgerData.h"
#include "reports/ProgressTicks.h"

#include <algorithm>

namespace pellam::app {

LedgerTotals::LedgerTotals(Currency opening)
{
    if (opening > Currency())
        debit_ = opening;
    else
        credit_ = opening.abs();
}

namespace {

// The heads in turn as the postings reach them; the heads between, without
// a posting in the period, still start and end.
class HeadTurns {
public:
    HeadTurns(const LedgerDocument& doc, const LedgerSteps& steps, const HeadStarted& headStarted)
        : heads_(doc.heads), steps_(steps), headStarted_(headStarted)
    {
    }

    // Ends the open head and starts each after it up to `head`.
    void moveTo(qsizetype head)
    {
        while (open_ < head) {
            if (open_ >= 0 && open_ < heads_.size() && steps_.headEnds)
                steps_.headEnds(heads_[open_], totals_);
            if (++open_ >= heads_.size())
                continue;
            const LedgerHead& h = heads_[open_];
            totals_ = LedgerTotals(h.opening);
            serial_ = 0;
            if (headStarted_)
                headStarted_(h.name);
            if (steps_.headStarts)
                steps_.headStarts(h);
        }
    }

    void post(int head, LedgerVoucher& v)
    {
        // Postings come in the heads' order; one out of it is not this ledger's.
        if (head < open_ || head >= heads_.size())
            return;
        moveTo(head);
        v.serial = ++serial_;
        totals_.add(v);
        if (steps_.voucher)
            steps_.voucher(v);
    }

    void finish() { moveTo(heads_.size()); }
    double share() const { return heads_.isEmpty() ? 1.0 : double(std::max<qsizetype>(open_, 0)) / double(heads_.size()); }

private:
    const QList<LedgerHead>& heads_;
    const LedgerSteps& steps_;
    const HeadStarted& headStarted_;
    qsizetype open_ = -1;
    LedgerTotals totals_;
    int serial_ = 0;
};

} // namespace

void walkLedger(const LedgerDocument& doc, const LedgerSteps& steps, const HeadStarted& headStarted)
{
    HeadTurns turns(doc, steps, headStarted);
    if (doc.postings) {
        ProgressTicks ticks(doc.progress);
        doc.postings([&](int head, LedgerVoucher& v) {
            turns.post(head, v);
            ticks.row([&] { return turns.share(); });
        });
    }
    turns.finish();
}

} // namespace pellam::app
