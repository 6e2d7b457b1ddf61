#include "grids/PopupGrid.h"

#include "common/HostForm.h"
#include "dialogs/Dialogs.h"
#include "errors/ErrorNumber.h"
#include "errors/PellamError.h"
#include "grids/CaptionLayout.h"
#include "grids/FlexGrid.h"
#include "grids/RecordSetModel.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace pellam::ctl {

namespace {

// Below this many rows (title row included) the list keeps its height.
constexpr int kMinimumRows = 4;

QLineEdit* findByName(QWidget* form, const QString& name)
{
    const auto children = form->findChildren<QWidget*>();
    for (QWidget* child : children)
        if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return qobject_cast<QLineEdit*>(child);
    return nullptr;
}

} // namespace

PopupGrid::PopupGrid(QWidget* parent)
    : QWidget(parent), Label1(new QLabel(this)), GridOnPOP(new FlexGrid(this)), Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("PopupGrid"));
    markComposite(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(400);
    Timer1->setSingleShot(true);
    setMaximumHeight(pixelsOf(maxHeight_));
    connect(Timer1, &QTimer::timeout, this, [this] {
        // A filter that fails reaches the user here, outside any host call.
        try {
            Timer1_Timer();
        } catch (const PellamError& e) {
            dialogs().message({e.Description(), {}, MessageButtons::Ok, MessageIcon::Information});
        }
    });
    connect(GridOnPOP, &FlexGrid::enterPressed, this, &PopupGrid::select);
    connect(GridOnPOP, &QAbstractItemView::clicked, this, &PopupGrid::select);
    QWidget::setVisible(false);
    watchForm();
    layoutParts();
}

QString PopupGrid::Caption() const
{
    return Label1->text();
}

void PopupGrid::setCaption(const QString& caption)
{
    Label1->setText(caption);
    layoutParts();
}

void PopupGrid::setBuddyCtrl(const QString& name)
{
    buddyName_ = name;
    if (formShown_)
        bindBuddy();
}

void PopupGrid::setMaxHeight(int twips)
{
    if (formShown_)
        throw PellamError::standard(ReadOnlyAtRunTime, QStringLiteral("PopupGrid"));
    maxHeight_ = twips;
    setMaximumHeight(pixelsOf(twips));
}

void PopupGrid::setGridText(QLineEdit* buddy)
{
    if (buddy_) {
        buddy_->removeEventFilter(this);
        disconnect(buddy_, nullptr, this, nullptr);
    }
    buddy_ = buddy;
    if (!buddy)
        return;
    buddy->installEventFilter(this);
    connect(buddy, &QLineEdit::textChanged, this, &PopupGrid::buddyTextChanged);
}

void PopupGrid::setRecordSet(const db::RecordSet& records)
{
    records_ = records;
}

QString PopupGrid::TextMatrix(int Col) const
{
    return GridOnPOP->TextMatrix(GridOnPOP->Row(), Col);
}

void PopupGrid::bindBuddy()
{
    QWidget* form = HostForm::of(this);
    QLineEdit* found = form ? findByName(form, buddyName_) : nullptr;
    if (!found && !buddyName_.trimmed().isEmpty())
        dialogs().message({QStringLiteral("The Buddy Control Name '") + buddyName_ +
                               QStringLiteral("' ..\n Control does not exist!!"),
                           QStringLiteral("Error PopUpGrid"), MessageButtons::Ok, MessageIcon::Critical});
    setGridText(found);
}

void PopupGrid::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    shown_ = visible;
    if (visible)
        refill();
}

void PopupGrid::buddyTextChanged()
{
    if (shown_) {
        Timer1->start();
        return;
    }
    QWidget* form = HostForm::of(this);
    if (buddy_ && form && form->focusWidget() == buddy_)
        emit ToMakeVisible();
}

void PopupGrid::Timer1_Timer()
{
    Timer1->stop();
    refill();
}

void PopupGrid::refill()
{
    if (!records_.isOpen())
        return;
    Filter filter;
    if (buddy_ && !buddy_->text().trimmed().isEmpty())
        emit OnChange(&filter);
    if (filter)
        records_.setFilter(filter);
    else
        records_.clearFilter();
    RecordSetModel* model = GridOnPOP->records();
    if (records_.RecordCount() > 0)
        model->setRecordSet(records_);
    else
        model->clear(records_.FieldCount());
    applyColumns();
    GridOnPOP->extendSelection();
    const int last = GridOnPOP->Cols() - 1;
    const int rightEdge = GridOnPOP->columnViewportPosition(last) + GridOnPOP->columnWidth(last);
    if (rightEdge < GridOnPOP->viewport()->width())
        GridOnPOP->setColumnWidth(last, GridOnPOP->viewport()->width() - GridOnPOP->columnViewportPosition(last));
    fitHeight();
}

void PopupGrid::applyColumns()
{
    RecordSetModel* model = GridOnPOP->records();
    model->ensureColumns(int(qMax(colWidth_.size(), colTitle_.size())));
    for (int i = 0; i < colWidth_.size(); ++i)
        GridOnPOP->setColWidth(i, colWidth_[i]);
    for (int i = 0; i < colTitle_.size(); ++i)
        model->setTitle(i, colTitle_[i]);
}

void PopupGrid::fitHeight()
{
    const int rows = qMax(kMinimumRows, GridOnPOP->Rows());
    const double twips = qMin(5 + (rows + 1.4) * GridOnPOP->RowHeight(), double(maxHeight_));
    resize(width(), pixelsOf(twips));
}

bool PopupGrid::buddyKey(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        select();
        return false;
    }
    if (key != Qt::Key_Down && key != Qt::Key_Up)
        return false;
    const int row = GridOnPOP->Row();
    if (key == Qt::Key_Down && row < GridOnPOP->Rows() - 1)
        GridOnPOP->setRow(row + 1);
    else if (key == Qt::Key_Up && row >= 2)
        GridOnPOP->setRow(row - 1);
    GridOnPOP->extendSelection();
    GridOnPOP->scrollCurrentToTop();
    return true;
}

void PopupGrid::select()
{
    if (!shown_)
        return;
    int row = GridOnPOP->Row();
    int cols = GridOnPOP->Cols() - 1;
    emit OnSelection(&row, &cols);
}

bool PopupGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == buddy_ && event->type() == QEvent::KeyPress && shown_)
        return buddyKey(static_cast<QKeyEvent*>(event)->key());
    if (watched == form_ && event->type() == QEvent::Show && !formShown_) {
        formShown_ = true;
        bindBuddy();
    }
    return QWidget::eventFilter(watched, event);
}

bool PopupGrid::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
        watchForm();
    return QWidget::event(event);
}

void PopupGrid::watchForm()
{
    if (form_)
        form_->removeEventFilter(this);
    form_ = HostForm::of(this);
    if (form_)
        form_->installEventFilter(this);
}

void PopupGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutParts();
}

void PopupGrid::layoutParts()
{
    placeCaptionAndGrid(this, Label1, GridOnPOP, !Label1->text().isEmpty());
}

} // namespace pellam::ctl
