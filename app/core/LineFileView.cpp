#include "core/LineFileView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cmath>

namespace pellam::app {

namespace {

constexpr int kMargin = 4;

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('_');
}

} // namespace

LineFileView::LineFileView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool LineFileView::openFile(const QString& path)
{
    const bool read = file_.open(path);
    anchor_ = cursor_ = TextPosition{};
    textWidth_ = 0;
    updateScrollRanges();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    return read;
}

int LineFileView::lineHeight() const
{
    return std::max(1, fontMetrics().lineSpacing());
}

int LineFileView::firstVisibleLine() const
{
    return verticalScrollBar()->value();
}

int LineFileView::visibleLineCount() const
{
    return std::max(1, viewport()->height() / lineHeight());
}

void LineFileView::layoutLine(QTextLayout& layout, const QString& text) const
{
    layout.setText(text);
    layout.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    // Wide enough for any line: nothing wraps, and the line's height is known.
    line.setLineWidth(1e7);
    // Every line on the same baseline pitch, whatever font a script falls back to.
    line.setPosition(QPointF(0, fontMetrics().ascent() - line.ascent()));
    layout.endLayout();
}

void LineFileView::updateScrollRanges()
{
    const int rows = visibleLineCount();
    verticalScrollBar()->setRange(0, std::max(0, lineCount() - rows));
    verticalScrollBar()->setPageStep(rows);
    verticalScrollBar()->setSingleStep(1);

    // The longest line in bytes bounds the width of a line of single-byte
    // characters; a wider line found on screen widens it.
    const qint64 estimate = file_.longestLineBytes() * fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int width = int(std::min<qint64>(std::max<qint64>(estimate, textWidth_), INT_MAX / 2));
    horizontalScrollBar()->setRange(0, std::max(0, width + 2 * kMargin - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(fontMetrics().horizontalAdvance(QLatin1Char('0')));
}

void LineFileView::widenTo(int width)
{
    if (width <= textWidth_)
        return;
    textWidth_ = width;
    updateScrollRanges();
}

void LineFileView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const int first = firstVisibleLine();
    const int height = lineHeight();
    const QStringList lines = file_.lines(first, viewport()->height() / height + 1);
    const auto [from, to] = std::minmax(anchor_, cursor_);
    const qreal left = kMargin - horizontalScrollBar()->value();
    const QBrush highlight = palette().brush(QPalette::Highlight);
    QTextCharFormat selected;
    selected.setForeground(palette().brush(QPalette::HighlightedText));
    const qreal lineEndWidth = fontMetrics().horizontalAdvance(QLatin1Char(' '));

    int widest = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const int index = first + i;
        const QPointF origin(left, i * height);
        QTextLayout layout;
        layoutLine(layout, lines[i]);
        const QTextLine line = layout.lineAt(0);
        QList<QTextLayout::FormatRange> selection;
        if (hasSelection() && index >= from.line && index <= to.line) {
            const int start = index == from.line ? from.column : 0;
            const int end = index == to.line ? to.column : int(lines[i].size());
            // The highlight keeps to the row even where a script's fallback
            // font stands taller; a selected line end shows as a space.
            const qreal x1 = line.cursorToX(start);
            const qreal x2 = line.cursorToX(end) + (index < to.line ? lineEndWidth : 0);
            painter.fillRect(QRectF(origin.x() + x1, origin.y(), x2 - x1, height), highlight);
            selection.append({start, end - start, selected});
        }
        layout.draw(&painter, origin, selection);
        if (index == cursor_.line && hasFocus())
            layout.drawCursor(&painter, origin, cursor_.column);
        widest = std::max(widest, int(std::ceil(line.naturalTextWidth())));
    }
    widenTo(widest);
}

void LineFileView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRanges();
}

int LineFileView::xOf(TextPosition at) const
{
    QTextLayout layout;
    layoutLine(layout, file_.line(at.line));
    return int(layout.lineAt(0).cursorToX(at.column));
}

TextPosition LineFileView::positionAt(const QPoint& point) const
{
    if (lineCount() == 0)
        return {};
    const int line = std::clamp(firstVisibleLine() + point.y() / lineHeight(), 0, lineCount() - 1);
    QTextLayout layout;
    layoutLine(layout, file_.line(line));
    const qreal x = point.x() - kMargin + horizontalScrollBar()->value();
    return {line, layout.lineAt(0).xToCursor(x)};
}

TextPosition LineFileView::clamped(TextPosition at) const
{
    if (lineCount() == 0)
        return {};
    at.line = std::clamp(at.line, 0, lineCount() - 1);
    at.column = std::clamp(at.column, 0, int(file_.line(at.line).size()));
    return at;
}

TextPosition LineFileView::stepped(TextPosition at, int key, Qt::KeyboardModifiers modifiers) const
{
    const bool control = modifiers & Qt::ControlModifier;
    const int last = lineCount() - 1;
    const auto endOf = [this](int line) { return TextPosition{line, int(file_.line(line).size())}; };
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const QString text = file_.line(at.line);
        // Steps by what reads as one character, a conjunct of an Indian script included.
        QTextLayout layout(text, font());
        if (key == Qt::Key_Left)
            return at.column > 0 ? TextPosition{at.line, layout.previousCursorPosition(at.column)}
                   : at.line > 0 ? endOf(at.line - 1)
                                 : at;
        return at.column < text.size() ? TextPosition{at.line, layout.nextCursorPosition(at.column)}
               : at.line < last       ? TextPosition{at.line + 1, 0}
                                      : at;
    }
    case Qt::Key_Up:
        return clamped({at.line - 1, at.column});
    case Qt::Key_Down:
        return clamped({at.line + 1, at.column});
    case Qt::Key_PageUp:
        return clamped({at.line - visibleLineCount(), at.column});
    case Qt::Key_PageDown:
        return clamped({at.line + visibleLineCount(), at.column});
    case Qt::Key_Home:
        return control ? TextPosition{} : TextPosition{at.line, 0};
    case Qt::Key_End:
        return control ? endOf(last) : endOf(at.line);
    default:
        return at;
    }
}

void LineFileView::moveCursor(TextPosition to, bool extend)
{
    cursor_ = to;
    if (!extend)
        anchor_ = to;
    ensureVisible(to);
    viewport()->update();
}

void LineFileView::ensureVisible(TextPosition at, bool centre)
{
    QScrollBar* vertical = verticalScrollBar();
    const int rows = visibleLineCount();
    if (at.line < vertical->value() || at.line >= vertical->value() + rows)
        vertical->setValue(centre ? at.line - rows / 2 : at.line < vertical->value() ? at.line : at.line - rows + 1);

    QScrollBar* horizontal = horizontalScrollBar();
    const int x = xOf(at);
    const int room = viewport()->width() - 2 * kMargin;
    widenTo(x + kMargin);
    if (x < horizontal->value())
        horizontal->setValue(std::max(0, x - room / 4));
    else if (x > horizontal->value() + room)
        horizontal->setValue(x - room + room / 4);
}

void LineFileView::select(TextPosition from, TextPosition to)
{
    anchor_ = clamped(from);
    cursor_ = clamped(to);
    ensureVisible(cursor_, true);
    ensureVisible(anchor_, true);
    viewport()->update();
}

void LineFileView::selectAll()
{
    if (lineCount() == 0)
        return;
    anchor_ = {};
    moveCursor(clamped({lineCount() - 1, INT_MAX}), true);
}

QString LineFileView::selectedText() const
{
    if (!hasSelection())
        return {};
    const auto [from, to] = std::minmax(anchor_, cursor_);
    QStringList lines = file_.lines(from.line, to.line - from.line + 1);
    lines.last().truncate(to.column);
    lines.first().remove(0, from.column);
    return lines.join(QLatin1Char('\n'));
}

void LineFileView::copy()
{
    if (!hasSelection())
        return;
    const auto [from, to] = std::minmax(anchor_, cursor_);
    if (file_.bytesOf(from.line, to.line) > kCopyLimitBytes) {
        emit notice(QStringLiteral("Too much to copy at once: select fewer lines."));
        return;
    }
    QGuiApplication::clipboard()->setText(selectedText());
}

LineFileView::FindResult LineFileView::find(const QString& text, bool forward)
{
    const auto [from, to] = std::minmax(anchor_, cursor_);
    const auto match = file_.find(text, forward ? to : from, forward);
    if (!match)
        return FindResult::NotFound;
    select(match->at, {match->at.line, match->at.column + int(text.size())});
    return match->wrapped ? FindResult::FoundFromOtherEnd : FindResult::Found;
}

bool LineFileView::event(QEvent* event)
{
    // The view's own keys win over the main window's shortcuts (Ctrl+C there
    // opens the calculator).
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key == QKeySequence::Copy || key == QKeySequence::SelectAll) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void LineFileView::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Copy) {
        copy();
        return;
    }
    if (event == QKeySequence::SelectAll) {
        selectAll();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End: {
        if (lineCount() == 0)
            return;
        const TextPosition to = stepped(cursor_, event->key(), event->modifiers());
        // A page key turns the page: the cursor keeps its place on the screen.
        if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown)
            verticalScrollBar()->setValue(verticalScrollBar()->value() + to.line - cursor_.line);
        moveCursor(to, event->modifiers() & Qt::ShiftModifier);
        return;
    }
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void LineFileView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    moveCursor(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

void LineFileView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    QPoint at = event->position().toPoint();
    // Dragging past the top or bottom edge carries the selection on.
    if (at.y() < 0)
        at.setY(-lineHeight());
    else if (at.y() >= viewport()->height())
        at.setY(visibleLineCount() * lineHeight());
    moveCursor(positionAt(at), true);
}

void LineFileView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const TextPosition at = positionAt(event->position().toPoint());
    const QString text = file_.line(at.line);
    int start = at.column;
    int end = at.column;
    while (start > 0 && isWordCharacter(text[start - 1]))
        --start;
    while (end < text.size() && isWordCharacter(text[end]))
        ++end;
    anchor_ = {at.line, start};
    moveCursor({at.line, end}, true);
}

void LineFileView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void LineFileView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

} // namespace pellam::app
