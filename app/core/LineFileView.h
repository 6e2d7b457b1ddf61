#pragma once

#include "core/LineFile.h"

#include <QAbstractScrollArea>

class QTextLayout;

namespace pellam::app {

// A read-only view of a text file that reads only the lines on screen, so a
// report of a million lines opens at once and scrolls without delay. No line
// wraps; the text can be selected with the mouse or the keyboard and copied.
class LineFileView : public QAbstractScrollArea {
    Q_OBJECT
public:
    // Copying more than this is refused: the clipboard would hold the whole
    // report twice over and the desktop would stall on it.
    static constexpr qint64 kCopyLimitBytes = 8 << 20;

    explicit LineFileView(QWidget* parent = nullptr);

    // Shows `path` from its first line; false (and nothing shown) when it
    // cannot be read.
    bool openFile(const QString& path);

    int lineCount() const { return file_.lineCount(); }
    QString lineText(int line) const { return file_.line(line); }
    int firstVisibleLine() const;
    int visibleLineCount() const;
    TextPosition cursorPosition() const { return cursor_; }
    QString selectedText() const;
    bool hasSelection() const { return anchor_ != cursor_; }

    // Selects from `from` to `to` (the cursor) and scrolls it into view.
    void select(TextPosition from, TextPosition to);
    void selectAll();
    void copy();

    enum class FindResult { Found, FoundFromOtherEnd, NotFound };
    // Finds `text`, ignoring case, after the selection (forward) or before
    // it, going round the file's end, and selects what it finds.
    FindResult find(const QString& text, bool forward);

signals:
    // A short word for the user about something refused.
    void notice(const QString& text);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int lineHeight() const;
    void layoutLine(QTextLayout& layout, const QString& text) const;
    void updateScrollRanges();
    void widenTo(int width);
    TextPosition positionAt(const QPoint& point) const;
    TextPosition clamped(TextPosition at) const;
    TextPosition stepped(TextPosition at, int key, Qt::KeyboardModifiers modifiers) const;
    void moveCursor(TextPosition to, bool extend);
    void ensureVisible(TextPosition at, bool centre = false);
    int xOf(TextPosition at) const;

    LineFile file_;
    TextPosition anchor_;
    TextPosition cursor_;
    int textWidth_ = 0; // the widest line known, for the horizontal scroll bar
};

} // namespace pellam::app
