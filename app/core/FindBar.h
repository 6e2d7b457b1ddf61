#pragma once

#include <QWidget>

class QLineEdit;

namespace pellam::app {

class LineFileView;

// A bar under a line-file view for finding text in it, kept to the keyboard:
// open() puts the focus in the box, Enter or F3 finds the next match,
// Shift+Enter or Shift+F3 the one before, Escape closes the bar and gives
// the focus back to the view.
class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(LineFileView* view, QWidget* parent = nullptr);

    void open();
    // Finds the box's text again; opens the bar when there is none yet.
    void findNext();
    void findPrevious();

signals:
    // How the last search went, in a few words ("Not found"); empty when it
    // simply found the text.
    void said(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void find(bool forward);
    void close();

    LineFileView* view_;
    QLineEdit* text_;
};

} // namespace pellam::app
