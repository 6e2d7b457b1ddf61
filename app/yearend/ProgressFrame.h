#pragma once

#include <QDateTime>
#include <QString>

class QDialog;
class QLabel;
class QTimer;

namespace pellam::app {

// The "Progress Indicator" frame of the windows that copy the books: the
// current step (Lb), a second line (Label1) and the elapsed time (LblTime),
// with the timer that starts the work once shown (Timer1) and the one that
// moves the clock (TTime). The owner connects the timers to its handlers.
class ProgressFrame {
public:
    ProgressFrame(QDialog* owner, const QString& secondLine);

    // Shows the step at once, while the work goes on.
    void show(const QString& text);
    void startClock();
    // "Time Elapsed :- 00:07" since startClock.
    void tick();
    void stopClock();

    QLabel* const Lb;
    QLabel* const Label1;
    QLabel* const LblTime;
    QTimer* const Timer1;
    QTimer* const TTime;

private:
    QDateTime started_;
};

} // namespace pellam::app
