#include "yearend/ProgressFrame.h"

#include "yearend/ElapsedTime.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace pellam::app {

namespace {

template <class T>
T* named(T* object, const char* name)
{
    object->setObjectName(QLatin1String(name));
    return object;
}

} // namespace

ProgressFrame::ProgressFrame(QDialog* owner, const QString& secondLine)
    : Lb(named(new QLabel(owner), "Lb")), Label1(named(new QLabel(secondLine, owner), "Label1")),
      LblTime(named(new QLabel(QStringLiteral("Time :"), owner), "LblTime")), Timer1(named(new QTimer(owner), "Timer1")),
      TTime(named(new QTimer(owner), "TTime"))
{
    auto* frame = new QGroupBox(QStringLiteral("Progress Indicator"), owner);
    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(Lb);
    inner->addWidget(Label1);
    inner->addWidget(LblTime);
    auto* layout = new QVBoxLayout(owner);
    layout->addWidget(frame);
    owner->resize(460, 160);
    Timer1->setSingleShot(true);
    Timer1->setInterval(0);
    TTime->setInterval(1000);
}

void ProgressFrame::show(const QString& text)
{
    Lb->setText(text);
    Lb->repaint();
}

void ProgressFrame::startClock()
{
    started_ = QDateTime::currentDateTime();
    TTime->start();
    tick();
}

void ProgressFrame::tick()
{
    LblTime->setText(yearend::elapsedText(started_.secsTo(QDateTime::currentDateTime())));
}

void ProgressFrame::stopClock()
{
    TTime->stop();
}

} // namespace pellam::app
