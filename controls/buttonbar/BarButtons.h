#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace pellam::ctl {

// The seven buttons of the record bar: their looks (caption, tip, picture,
// enabled) and their places in a row or a column.
class BarButtons {
public:
    explicit BarButtons(QWidget* bar);

    QPushButton* CmdAdd;
    QPushButton* cmdEdit;
    QPushButton* CmdDelete;
    QPushButton* CmdPrint;
    QPushButton* cmdSearch;
    QPushButton* cmdRefresh;
    QPushButton* CmdClose;

    // Caption and tip; the picture follows the caption.
    static void label(QPushButton* button, const QString& caption, const QString& tip = {});
    void showPictures(bool pictures);
    void setFont(const QFont& font);

    // Shows or hides the three optional buttons and shares `inner` among
    // the visible ones, left to right or top to bottom.
    void arrange(const QRect& inner, bool vertical, bool closeShown, bool printShown, bool searchShown);

private:
    static void showPicture(QPushButton* button, bool pictures);
    QList<QPushButton*> inOrder() const;
};

} // namespace pellam::ctl
