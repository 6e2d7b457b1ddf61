#include "excel/SheetWriterThread.h"

#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"

#include <cerrno>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace pellam::excel {

namespace {

struct Command {
    bool addsSheet = false; // else writes a value
    int sheet = 0, row = 0;
    Span columns{0, 0};
    Value value; // a new sheet's name in its text
    lxw_format* format = nullptr;
};

// Commands go over in batches, and the caller waits when this many are
// still to be done: a few megabytes, however long the report.
constexpr size_t kBatch = 4096;
constexpr size_t kBatchesAhead = 16;

} // namespace

struct SheetWriterThread::Impl {
    lxw_workbook* book = nullptr;
    lxw_format* formats[2][Looks] = {};
    bool closed = false;
    std::vector<Command> filling; // the caller's batch

    std::mutex lock;
    std::condition_variable changed;
    std::deque<std::vector<Command>> queue;
    bool finished = false;
    std::thread worker;

    // The worker's own, until it is joined.
    std::vector<lxw_worksheet*> sheets;
    Outcome failure;

    void run()
    {
        for (;;) {
            std::vector<Command> batch;
            {
                std::unique_lock<std::mutex> l(lock);
                changed.wait(l, [this] { return !queue.empty() || finished; });
                if (queue.empty())
                    return;
                batch = std::move(queue.front());
                queue.pop_front();
            }
            changed.notify_all();
            for (const Command& c : batch)
                if (failure.error == LXW_NO_ERROR)
                    apply(c);
        }
    }

    void apply(const Command& c)
    {
        if (c.addsSheet) {
            errno = 0;
            if (lxw_worksheet* sheet = workbook_add_worksheet(book, c.value.text.constData()))
                sheets.push_back(sheet);
            else
                failure = {LXW_ERROR_CREATING_TMPFILE, errno, QString::fromUtf8(c.value.text)};
            return;
        }
        lxw_worksheet* sheet = sheets[size_t(c.sheet)];
        const auto row = lxw_row_t(c.row);
        const auto col = lxw_col_t(c.columns.first);
        const Value& v = c.value;
        lxw_error e = LXW_NO_ERROR;
        switch (v.kind) {
        case Value::Text:
            e = worksheet_write_string(sheet, row, col, v.text.constData(), c.format);
            break;
        case Value::Number:
            e = worksheet_write_number(sheet, row, col, v.number, c.format);
            break;
        case Value::When:
            e = worksheet_write_datetime(sheet, row, col, const_cast<lxw_datetime*>(&v.when), c.format);
            break;
        case Value::Formula:
            e = worksheet_write_formula_num(sheet, row, col, v.text.constData(), c.format, v.number);
            break;
        case Value::Blank:
            e = worksheet_write_blank(sheet, row, col, c.format);
            break;
        case Value::Merged:
            e = worksheet_merge_range(sheet, row, col, row, lxw_col_t(c.columns.last), v.text.constData(), c.format);
            break;
        }
        if (e != LXW_NO_ERROR) {
            char name[16] = {};
            lxw_rowcol_to_cell(name, row, col);
            failure = {e, 0, QStringLiteral("cell %1 of sheet %2").arg(QLatin1String(name)).arg(c.sheet + 1)};
        }
    }

    void send()
    {
        if (filling.empty())
            return;
        {
            std::unique_lock<std::mutex> l(lock);
            changed.wait(l, [this] { return queue.size() < kBatchesAhead; });
            queue.push_back(std::move(filling));
        }
        changed.notify_all();
        filling = {};
        filling.reserve(kBatch);
    }

    void add(Command&& c)
    {
        filling.push_back(std::move(c));
        if (filling.size() >= kBatch)
            send();
    }

    void stop()
    {
        if (!worker.joinable())
            return;
        {
            std::lock_guard<std::mutex> l(lock);
            finished = true;
        }
        changed.notify_all();
        worker.join();
    }
};

SheetWriterThread::SheetWriterThread(const QByteArray& partName, const QByteArray& scratchFolder)
    : d(std::make_unique<Impl>())
{
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = const_cast<char*>(scratchFolder.constData());
    d->book = workbook_new_opt(partName.constData(), &options);
    if (!d->book)
        throw PellamError(OutOfMemory, QStringLiteral("Out of memory"), QStringLiteral("ExcelWorkbook"));
    // Made before the thread starts, so that only it calls the library.
    for (int border = 0; border < 2; ++border)
        for (int look = Plain; look < Looks; ++look) {
            if (look == Plain && !border)
                continue;
            lxw_format* f = workbook_add_format(d->book);
            static const char* const numbers[Looks] = {nullptr, "@", "##,##,##0.00", "dd/mm/yyyy"};
            if (numbers[look])
                format_set_num_format(f, numbers[look]);
            if (border)
                format_set_border(f, LXW_BORDER_THIN);
            d->formats[border][look] = f;
        }
    d->filling.reserve(kBatch);
    d->worker = std::thread([this] { d->run(); });
}

SheetWriterThread::~SheetWriterThread()
{
    {
        std::lock_guard<std::mutex> l(d->lock);
        d->queue.clear();
    }
    d->stop();
    if (!d->closed)
        lxw_workbook_free(d->book);
}

void SheetWriterThread::addSheet(const QString& name)
{
    Command c;
    c.addsSheet = true;
    c.value.text = name.toUtf8();
    d->add(std::move(c));
}

void SheetWriterThread::write(int sheet, int row, Span columns, const Value& value, bool border)
{
    d->add({false, sheet, row, columns, value, d->formats[border][value.look]});
}

SheetWriterThread::Outcome SheetWriterThread::close(const std::vector<int>& widths)
{
    d->send();
    d->stop();
    if (d->failure.error != LXW_NO_ERROR)
        return d->failure;
    // Set last: the library writes the widths ahead of the rows whenever
    // they are set.
    for (lxw_worksheet* sheet : d->sheets)
        for (size_t col = 0; col < widths.size(); ++col)
            if (widths[col] > 0)
                worksheet_set_column(sheet, lxw_col_t(col), lxw_col_t(col), widths[col] + 2, nullptr);
    d->closed = true; // workbook_close frees the workbook whatever it answers
    Outcome outcome;
    errno = 0;
    outcome.error = workbook_close(d->book);
    outcome.systemError = errno;
    return outcome;
}

} // namespace pellam::excel
