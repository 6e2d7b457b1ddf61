#include "core/HelpKey.h"

#include "core/Common.h"
#include "core/FormKeys.h"

namespace pellam::app::HelpKey {

void attach(QWidget* window, short helpContext)
{
    auto* keys = new FormKeys(window);
    keys->on(Qt::Key_F1, [helpContext] { ShowHelp(helpContext); });
}

} // namespace pellam::app::HelpKey
