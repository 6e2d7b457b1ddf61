#include "grids/ListGrid.h"

#include "common/FieldInfo.h"
#include "common/HostForm.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "grids/CaptionLayout.h"
#include "grids/FlexGrid.h"
#include "grids/RecordSetModel.h"
#include "grids/TypeAhead.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace pellam::ctl {

namespace {

// Twips of width per character of a field's defined size in a large list.
constexpr int kTwipsPerCharacter = 50;

} // namespace

ListGrid::ListGrid(QWidget* parent)
    : QWidget(parent), Label1(new QLabel(this)), GridOnPOP(new FlexGrid(this)), TxtEnter(new QLineEdit(this)),
      Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("ListGrid"));
    markComposite(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    TxtEnter->setObjectName(QStringLiteral("TxtEnter"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(700);
    Timer1->setSingleShot(true);
    // The typed text is collected out of sight; the grid keeps the focus.
    TxtEnter->hide();

    connect(Timer1, &QTimer::timeout, this, &ListGrid::Timer1_Timer);
    connect(TxtEnter, &QLineEdit::textEdited, TxtEnter, [this](const QString& text) {
        if (text != text.toUpper())
            TxtEnter->setText(text.toUpper());
    });
    connect(TxtEnter, &QLineEdit::textChanged, Timer1, qOverload<>(&QTimer::start));
    connect(GridOnPOP, &FlexGrid::characterTyped, this,
            [this](const QString& text) { TxtEnter->setText(TxtEnter->text() + text.toUpper()); });
    connect(GridOnPOP, &FlexGrid::enterPressed, this, &ListGrid::navigate);
    connect(GridOnPOP, &QAbstractItemView::clicked, this, &ListGrid::navigate);
    connect(GridOnPOP, &FlexGrid::doubleClickedAnywhere, this, &ListGrid::GridOnPOP_DblClick);
    layoutParts();
}

void ListGrid::SetGridProperties(const db::RecordSet& vNewRs, const QList<int>& IntColSize,
                                 const QStringList& StrColTitle, int SrCol1, int SrCol2, const QString& PopUpTitle)
{
    Q_UNUSED(PopUpTitle);
    if (!vNewRs.isOpen())
        throw PellamError(ObjectClosed, QStringLiteral("Operation is not allowed when the object is closed."),
                          QStringLiteral("ListGrid"));
    SrCol1_ = SrCol1;
    SrCol2_ = SrCol2;
    RecordSetModel* model = GridOnPOP->records();
    if (vNewRs.RecordCount() == 0)
        model->clear(vNewRs.FieldCount());
    else
        model->setRecordSet(vNewRs);
    if (vNewRs.RecordCount() >= kLargeSet)
        for (int f = 0; f < vNewRs.FieldCount(); ++f)
            GridOnPOP->setColWidth(f + 1, FieldInfo::of(vNewRs, f).definedSize * kTwipsPerCharacter);
    for (int i = 0; i < IntColSize.size(); ++i)
        GridOnPOP->setColWidth(i, IntColSize[i]);
    for (int i = 0; i < StrColTitle.size(); ++i)
        model->setTitle(i, StrColTitle[i]);
    GridOnPOP->extendSelection();
    navigate();
}

QString ListGrid::TextMatrix(int Col) const
{
    return GridOnPOP->TextMatrix(GridOnPOP->Row(), Col);
}

QString ListGrid::Caption() const
{
    return Label1->text();
}

void ListGrid::setCaption(const QString& caption)
{
    Label1->setText(caption);
    layoutParts();
}

void ListGrid::navigate()
{
    int row = GridOnPOP->Row();
    int cols = GridOnPOP->Cols() - 1;
    emit OnNavigate(&row, &cols);
}

void ListGrid::Timer1_Timer()
{
    Timer1->stop();
    const QString typed = TxtEnter->text();
    // Without a search column typing only gathers text; drop it so it does
    // not surface once a column is set.
    if (SrCol1_ < 1 || SrCol1_ >= GridOnPOP->Cols()) {
        TxtEnter->blockSignals(true);
        TxtEnter->clear();
        TxtEnter->blockSignals(false);
        return;
    }
    if (typed.trimmed().isEmpty())
        return;
    TxtEnter->blockSignals(true);
    TxtEnter->clear();
    TxtEnter->blockSignals(false);
    const int row = typeAheadRow(*GridOnPOP, typed, SrCol1_, SrCol2_);
    if (row > 0)
        GridOnPOP->setRow(row);
    GridOnPOP->extendSelection();
    GridOnPOP->scrollCurrentToTop();
    navigate();
}

void ListGrid::GridOnPOP_DblClick()
{
    QWidget* form = HostForm::of(this);
    if (!form)
        return;
    if (!HostForm::isMaximized(form)) {
        savedGeometry_ = geometry();
        zoomed_ = true;
        HostForm::setMaximized(form, true);
        form->installEventFilter(this);
        setGeometry(form->contentsRect());
        raise();
    } else {
        zoomed_ = false;
        form->removeEventFilter(this);
        HostForm::setMaximized(form, false);
        setGeometry(savedGeometry_);
    }
}

bool ListGrid::eventFilter(QObject* watched, QEvent* event)
{
    // The maximised form may reach its final size after the zoom.
    if (zoomed_ && event->type() == QEvent::Resize && watched == HostForm::of(this))
        setGeometry(HostForm::of(this)->contentsRect());
    return QWidget::eventFilter(watched, event);
}

void ListGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutParts();
}

void ListGrid::layoutParts()
{
    placeCaptionAndGrid(this, Label1, GridOnPOP, !Label1->text().trimmed().isEmpty());
}

} // namespace pellam::ctl
