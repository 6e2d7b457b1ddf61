#pragma once

#include "CtlExport.h"

#include <QString>

class QWidget;

namespace pellam::ctl {

// The form a control sits on, and the few things a control does to it. A
// form is the window that holds the control, or the widget inside a
// multiple-document child window, so closing or maximising it acts on the
// child window the user sees.
class PELLAM_CTL_EXPORT HostForm {
public:
    // The control's form, or null while the control has no parent.
    static QWidget* of(const QWidget* control);
    // The caption the user sees on the form.
    static QString caption(const QWidget* form);
    // The window frame that maximises and closes: the child window or the form.
    static QWidget* frame(QWidget* form);
    static bool isMaximized(QWidget* form);
    static void setMaximized(QWidget* form, bool maximized);
    static void close(QWidget* form);
};

// Marks a control made of other widgets, so that form-wide helpers leave its
// inner boxes and buttons alone.
PELLAM_CTL_EXPORT void markComposite(QWidget* control);
PELLAM_CTL_EXPORT bool isComposite(const QWidget* widget);

// Twips (1440 an inch) on this screen: 15 to a pixel.
constexpr int twipsPerPixel = 15;
constexpr int pixelsOf(double twips) { return int(twips / twipsPerPixel + (twips >= 0 ? 0.5 : -0.5)); }

} // namespace pellam::ctl
