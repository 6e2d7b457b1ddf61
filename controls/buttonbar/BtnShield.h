#pragma once

#include "CtlExport.h"
#include "database/RecordSet.h"

#include <QFont>
#include <QFrame>
#include <QVariantMap>
#include <memory>

namespace pellam::ctl {

class BarButtons;

// The record button bar: seven buttons that give a master-data form its
// whole add / edit / delete / search / print / refresh / close workflow.
// The bar keeps the mode, relabels and enables its buttons, enables and
// clears the form's entry controls, asks the confirmations, and raises
// events in which the form does the database work. Events named Before...
// carry a Cancel flag a handler sets to stop the action; OnSaveClick's flag
// starts true and the handler clears it to report a successful save.
class PELLAM_CTL_EXPORT BtnShield : public QFrame {
    Q_OBJECT
public:
    enum TrMode { TrNone = 0, TrAdding = 1, TrEditing = 2, TrSearching = 3 };
    Q_ENUM(TrMode)
    enum TEOrient { Trhorizondal = 0, TrVertical = 1 };
    Q_ENUM(TEOrient)
    enum ControlLock { EnableProperty = 0, LockProperty = 1, LockNone = 2 };
    Q_ENUM(ControlLock)
    enum PrintOption { No_Option = 0, PrintDialog = 1, Wizard = 2 };
    Q_ENUM(PrintOption)
    enum CtlBorderStyles { None = 0, Fixed_Single = 1 };
    Q_ENUM(CtlBorderStyles)

private:
    Q_PROPERTY(TEOrient BOrientation READ BOrientation WRITE setBOrientation)
    Q_PROPERTY(bool ImageBtn READ ImageBtn WRITE setImageBtn)
    Q_PROPERTY(bool IsCloseBtn READ IsCloseBtn WRITE setIsCloseBtn)
    Q_PROPERTY(bool IsPrintBtn READ IsPrintBtn WRITE setIsPrintBtn)
    Q_PROPERTY(bool IsSearchBtn READ IsSearchBtn WRITE setIsSearchBtn)
    Q_PROPERTY(bool ResetOnFind MEMBER resetOnFind_)
    Q_PROPERTY(bool AllowAdd READ AllowAdd WRITE setAllowAdd)
    Q_PROPERTY(bool AllowEdit READ AllowEdit WRITE setAllowEdit)
    Q_PROPERTY(bool AllowDelete READ AllowDelete WRITE setAllowDelete)
    Q_PROPERTY(bool AllowPrint READ AllowPrint WRITE setAllowPrint)
    Q_PROPERTY(bool ConfirmClose MEMBER confirmClose_)
    Q_PROPERTY(bool ConfirmDelete MEMBER confirmDelete_)
    Q_PROPERTY(bool ClearTag MEMBER clearTag_)
    Q_PROPERTY(PrintOption PrintOptions MEMBER printOptions_)
    Q_PROPERTY(bool RefreshAlways MEMBER refreshAlways_)
    Q_PROPERTY(ControlLock EntryLocking MEMBER entryLocking_)
    Q_PROPERTY(QFont Font READ Font WRITE setButtonsFont)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(CtlBorderStyles BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(quint32 FillColor MEMBER fillColor_)
    Q_PROPERTY(quint32 MaskColor MEMBER maskColor_)
    Q_PROPERTY(qint16 Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(TrMode ButtonMode READ ButtonMode)
    Q_PROPERTY(QString FilterString MEMBER filterString_)
    Q_PROPERTY(int RecordCount READ RecordCount WRITE setRecordCount)

public:
    // A new bar: Close, Print and Search shown, no reset on search, refresh
    // after every change.
    explicit BtnShield(QWidget* parent = nullptr);
    ~BtnShield() override;

    TEOrient BOrientation() const { return orientation_; }
    void setBOrientation(TEOrient orientation);
    bool ImageBtn() const { return imageBtn_; }
    void setImageBtn(bool pictures);
    bool IsCloseBtn() const { return closeShown_; }
    void setIsCloseBtn(bool shown);
    bool IsPrintBtn() const { return printShown_; }
    void setIsPrintBtn(bool shown);
    bool IsSearchBtn() const { return searchShown_; }
    void setIsSearchBtn(bool shown);
    bool AllowAdd() const { return allowAdd_; }
    void setAllowAdd(bool allow);
    bool AllowEdit() const { return allowEdit_; }
    void setAllowEdit(bool allow);
    bool AllowDelete() const { return allowDelete_; }
    void setAllowDelete(bool allow);
    bool AllowPrint() const { return allowPrint_; }
    void setAllowPrint(bool allow);
    QFont Font() const;
    void setButtonsFont(const QFont& font);
    // Colours as the desktop numbers them: 0x00BBGGRR, or a system colour
    // with the high bit set (0x8000000F, button faces).
    quint32 BackColor() const { return backColor_; }
    void setBackColor(quint32 colour);
    CtlBorderStyles BorderStyle() const { return borderStyle_; }
    void setBorderStyle(CtlBorderStyles style);
    qint16 Appearance() const { return appearance_; }
    void setAppearance(qint16 appearance);

    TrMode ButtonMode() const { return mode_; }
    QString FilterString() const { return filterString_; }
    void setFilterString(const QString& filter) { filterString_ = filter; }
    int RecordCount() const { return recordCount_; }
    void setRecordCount(int count);
    // The records the column-selection form prints in Wizard mode.
    void setPrintRecordSet(const db::RecordSet& records) { printRecordSet_ = records; }

    // The form-wide helpers, acting by EntryLocking and ClearTag.
    void EmptyCtrl(QWidget* frm);
    void DisCtrll(QWidget* ActFrm);
    void EnableCtrl(QWidget* ActFrm);

    // A saved design: values under their keys, defaults left out. A missing
    // key reads as the default.
    void ReadProperties(const QVariantMap& saved);
    QVariantMap WriteProperties() const;

signals:
    void BeforeAddClick(bool* Cancel);
    void OnAddClick();
    void AfterAddClick();
    void BeforeEditClick(bool* Cancel);
    void OnEditClick();
    void AfterEditClick();
    void BeforeSaveClick(bool* Cancel, bool IsAdd);
    void OnSaveClick(bool* Cancel, bool IsAdd);
    void AfterSaveClick(bool IsAdd);
    void BeforeDeleteClick(bool* Cancel);
    void OnDeleteClick();
    void AfterDeleteClick();
    void OnRefreshClick(const QString& TrFilterString);
    void OnCancelClick();
    void OnPrintClick(bool All, bool* Detailed);
    void OnSearchClick();
    void OnStartClick(QString* TrFilterString);
    void OnStopClick();
    void BeforePrint(pellam::db::RecordSet* PrintRecordSet);
    void AfterPrint();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CmdAdd_Click();
    void cmdEdit_Click();
    void CmdDelete_Click();
    void CmdPrint_Click();
    void cmdSearch_Click();
    void cmdRefresh_Click();
    void CmdClose_Click();

    void add();
    void save();
    void search();
    void start();
    void showAll();
    void printWithChoices(bool all, bool detailed);
    void refreshIfAlways();
    void updateButtons();
    void arrange();
    bool entering() const { return mode_ == TrAdding || mode_ == TrEditing; }
    QWidget* host() const;

    std::unique_ptr<BarButtons> buttons_;
    TEOrient orientation_ = Trhorizondal;
    bool imageBtn_ = false;
    bool closeShown_ = true;
    bool printShown_ = true;
    bool searchShown_ = true;
    bool resetOnFind_ = false;
    bool allowAdd_ = true;
    bool allowEdit_ = true;
    bool allowDelete_ = true;
    bool allowPrint_ = true;
    bool confirmClose_ = false;
    bool confirmDelete_ = true;
    bool clearTag_ = true;
    PrintOption printOptions_ = No_Option;
    bool refreshAlways_ = true;
    ControlLock entryLocking_ = EnableProperty;
    quint32 backColor_ = 0x8000000F;
    CtlBorderStyles borderStyle_ = None;
    quint32 fillColor_ = 0;
    quint32 maskColor_ = 0x8000000F;
    qint16 appearance_ = 1;

    TrMode mode_ = TrNone;
    QString filterString_;
    int recordCount_ = 0;
    db::RecordSet printRecordSet_;
    bool filterApplied_ = false;
    bool cancel_ = false;
    bool firstShown_ = false;
};

} // namespace pellam::ctl
