#pragma once

#include "CtlExport.h"
#include "database/RecordSet.h"

#include <QRect>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTimer;

namespace pellam::ctl {

class FlexGrid;

// A read-only record list for a form: the host hands it a record set with
// column widths and titles; the list marks the current row, jumps to a row
// when the user types the beginning of a value, fills the whole form on a
// double click, and tells the host through OnNavigate which row is current.
class PELLAM_CTL_EXPORT ListGrid : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledFlag)
public:
    explicit ListGrid(QWidget* parent = nullptr);

    // Loads the grid. Column i gets IntColSize[i] twips and the title
    // StrColTitle[i] (column 0 is the marker column). SrCol1 and SrCol2 are
    // the columns type-ahead searches; 0 or less turns it (or the second
    // column) off. PopUpTitle is not used. Throws PellamError 3704 for a
    // closed record set.
    void SetGridProperties(const db::RecordSet& vNewRs, const QList<int>& IntColSize, const QStringList& StrColTitle,
                           int SrCol1 = 0, int SrCol2 = 0, const QString& PopUpTitle = {});

    // The text in column Col of the current row.
    QString TextMatrix(int Col) const;

    QString Caption() const;
    void setCaption(const QString& caption);
    // A flag kept for the host; the list does not consult it.
    bool Enabled() const { return enabledFlag_; }
    void setEnabledFlag(bool enabled) { enabledFlag_ = enabled; }

    FlexGrid* grid() const { return GridOnPOP; }
    // The 700 ms timer that starts type-ahead; tests drive it through Timer1_Timer.
    QTimer* timer() const { return Timer1; }

    // At or above this many records the columns get widths from the fields' sizes.
    static constexpr int kLargeSet = 1501;

public slots:
    // Type-ahead: searches for the text typed since the last search.
    void Timer1_Timer();
    // Zooms to the whole form, or back to the place it had.
    void GridOnPOP_DblClick();

signals:
    // Row is the current grid row, Cols the number of data columns.
    void OnNavigate(int* Row, int* Cols);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void navigate();
    void layoutParts();

    QLabel* Label1;
    FlexGrid* GridOnPOP;
    QLineEdit* TxtEnter;
    QTimer* Timer1;
    int SrCol1_ = 0;
    int SrCol2_ = 0;
    bool enabledFlag_ = false;
    bool zoomed_ = false;
    QRect savedGeometry_;
};

} // namespace pellam::ctl
