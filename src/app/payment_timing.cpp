#include "app/payment_timing.h"

#include "app/layout.h"

#include <QCoreApplication>
#include <QLabel>

namespace app {

void PaymentTimingSetting::setTiming(finance::PaymentTiming timing)
{
    if (timing == m_timing)
        return;
    m_timing = timing;
    emit changed(timing);
}

QLabel* newTimingMarker(QWidget* parent)
{
    //: Marks that payments fall at the start of each period; capitals, one word.
    auto* marker = new QLabel(QCoreApplication::translate("app::PaymentTimingSetting", "BEGIN"), parent);
    marker->setObjectName(QStringLiteral("timingMarker"));
    marker->setFont(formFont(9.75, true));
    marker->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    marker->hide();
    return marker;
}

void showTimingOn(QLabel* marker, const PaymentTimingSetting& setting)
{
    marker->setVisible(setting.timing() == finance::PaymentTiming::Begin);
    QObject::connect(&setting, &PaymentTimingSetting::changed, marker, [marker](finance::PaymentTiming timing) {
        marker->setVisible(timing == finance::PaymentTiming::Begin);
    });
}

}  // namespace app
