#include "reports/ReadableBooks.h"

#include "core/AppState.h"
#include "core/ErrorHandling.h"
#include "core/Say.h"
#include "data/UnreadableVouchers.h"

namespace pellam::app {

bool booksAreReadable(const QString& module)
{
    bool readable = false;
    runStep(
        [&] {
            const data::UnreadableVouchers found =
                data::findUnreadableVouchers(state().Conn, {state().YearStart, state().YearEnd});
            readable = found.isEmpty();
            if (!readable)
                say(found.message(), MessageIcon::Critical);
        },
        QStringLiteral("booksAreReadable"), module);
    return readable;
}

} // namespace pellam::app
