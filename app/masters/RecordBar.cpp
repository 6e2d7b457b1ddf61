#include "masters/RecordBar.h"

namespace pellam::masters {

void setUpRecordBar(ctl::BtnShield* bar, bool printButton)
{
    bar->setObjectName(QStringLiteral("UBtnCtrl1"));
    bar->setImageBtn(true);
    bar->setIsCloseBtn(true);
    bar->setIsPrintBtn(printButton);
    bar->setIsSearchBtn(false);
    bar->setProperty("RefreshAlways", true);
    bar->setProperty("ResetOnFind", false);
    bar->setMinimumHeight(40);
}

} // namespace pellam::masters
