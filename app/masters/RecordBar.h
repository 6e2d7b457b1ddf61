#pragma once

#include "buttonbar/BtnShield.h"
#include "grids/ListGrid.h"

#include <QObject>

namespace pellam::masters {

// The record bar as the master windows use it: pictures, a Close button,
// refresh after every change, no clearing on search, and no Search button,
// since the windows find records by typing into their list.
void setUpRecordBar(ctl::BtnShield* bar, bool printButton);

// Connects the bar's and the list's events to the window's handlers of the
// same names.
template <class Form>
void connectRecordBar(Form* form, ctl::BtnShield* bar, ctl::ListGrid* list)
{
    using B = ctl::BtnShield;
    QObject::connect(list, &ctl::ListGrid::OnNavigate, form, &Form::ListGrid1_OnNavigate);
    QObject::connect(bar, &B::BeforeEditClick, form, &Form::UBtnCtrl1_BeforeEditClick);
    QObject::connect(bar, &B::OnAddClick, form, &Form::UBtnCtrl1_OnAddClick);
    QObject::connect(bar, &B::OnEditClick, form, &Form::UBtnCtrl1_OnEditClick);
    QObject::connect(bar, &B::OnSaveClick, form, &Form::UBtnCtrl1_OnSaveClick);
    QObject::connect(bar, &B::OnDeleteClick, form, &Form::UBtnCtrl1_OnDeleteClick);
    QObject::connect(bar, &B::OnRefreshClick, form, &Form::UBtnCtrl1_OnRefreshClick);
}

} // namespace pellam::masters
