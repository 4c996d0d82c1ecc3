// Whether payments fall at the start or at the end of each period: one switch
// for the whole program, kept by the main window and handed to the windows it
// opens, so that each calculates with it and shows its marker.
#pragma once

#include "finance/finance.h"

#include <QObject>

class QLabel;
class QWidget;

namespace app {

class PaymentTimingSetting : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // End until set otherwise: the program starts with payments at the end.
    finance::PaymentTiming timing() const { return m_timing; }
    void setTiming(finance::PaymentTiming timing);

signals:
    void changed(finance::PaymentTiming timing);

private:
    finance::PaymentTiming m_timing = finance::PaymentTiming::End;
};

// The bold marker, named "timingMarker" for the window's layout table. It is
// hidden until a setting it follows has payments at the start.
QLabel* newTimingMarker(QWidget* parent);

// Shows marker while setting has payments at the start, from now on.
void showTimingOn(QLabel* marker, const PaymentTimingSetting& setting);

}  // namespace app
