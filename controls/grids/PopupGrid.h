#pragma once

#include "CtlExport.h"
#include "database/RecordSet.h"

#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>

class QLabel;
class QTimer;

namespace pellam::ctl {

class FlexGrid;

// A drop-down lookup list tied to a text box of the form, its buddy. While
// the user types into the buddy the list waits for a pause, asks the host
// for a filter built from the typed text (OnChange), shows the matching
// records, lets the arrow keys in the buddy move through them, and reports
// the chosen row (OnSelection) on Enter or a click. Created hidden; the host
// shows it when asked (ToMakeVisible) and hides it after a selection.
class PELLAM_CTL_EXPORT PopupGrid : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QString BuddyCtrl READ BuddyCtrl WRITE setBuddyCtrl)
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE setMaxHeight)
    Q_PROPERTY(QList<int> ColWidth READ ColWidth WRITE setColWidth)
    Q_PROPERTY(QStringList ColTitle READ ColTitle WRITE setColTitle)
    Q_PROPERTY(QLineEdit* GridText READ GridText WRITE setGridText)
public:
    // Keeps the rows to list; an empty function lists them all.
    using Filter = std::function<bool(const db::RecordSet::Row&)>;

    explicit PopupGrid(QWidget* parent = nullptr);

    QString Caption() const;
    void setCaption(const QString& caption);
    QString BuddyCtrl() const { return buddyName_; }
    // Rebinds at once once the form has been shown.
    void setBuddyCtrl(const QString& name);
    // Twips. Can be set until the form is first shown; later PellamError 382.
    int MaxHeight() const { return maxHeight_; }
    void setMaxHeight(int twips);
    QList<int> ColWidth() const { return colWidth_; }
    void setColWidth(const QList<int>& twips) { colWidth_ = twips; }
    QStringList ColTitle() const { return colTitle_; }
    void setColTitle(const QStringList& titles) { colTitle_ = titles; }
    QLineEdit* GridText() const { return buddy_; }
    void setGridText(QLineEdit* buddy);

    // The records to look up in, held with the filter last applied.
    void setRecordSet(const db::RecordSet& records);
    const db::RecordSet& RecordSet() const { return records_; }

    // The text in column Col of the current row.
    QString TextMatrix(int Col) const;

    // Binds the first control of the form named BuddyCtrl (without regard to
    // case); shows "The Buddy Control Name ..." when there is none. Runs by
    // itself when the form is first shown.
    void bindBuddy();
    // True while the list is shown.
    bool isShown() const { return shown_; }

    FlexGrid* grid() const { return GridOnPOP; }
    // The 400 ms pause timer; tests drive it through Timer1_Timer.
    QTimer* timer() const { return Timer1; }

    void setVisible(bool visible) override;

public slots:
    // The pause is over: filter by what the buddy holds.
    void Timer1_Timer();

signals:
    void OnSelection(int* Row, int* Cols);
    // The host sets FilterString to the rows that match the buddy's text.
    void OnChange(pellam::ctl::PopupGrid::Filter* FilterString);
    void ToMakeVisible();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void refill();
    void applyColumns();
    void fitHeight();
    void buddyTextChanged();
    bool buddyKey(int key);
    void select();
    void watchForm();
    void layoutParts();

    QLabel* Label1;
    FlexGrid* GridOnPOP;
    QTimer* Timer1;
    QPointer<QLineEdit> buddy_;
    QPointer<QWidget> form_;
    db::RecordSet records_;
    QString buddyName_ = QStringLiteral("TextBoxName");
    QList<int> colWidth_;
    QStringList colTitle_;
    int maxHeight_ = 2820;
    bool shown_ = false;
    bool formShown_ = false;
};

} // namespace pellam::ctl
