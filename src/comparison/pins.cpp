#include "comparison/pins.h"

#include <algorithm>

namespace comparison {

Pins::Pins(app::MessageBox& messages, QObject* parent) : QObject(parent), m_messages(messages) {}

bool Pins::add(loan_planner::PinnedLoan loan, QWidget* parent)
{
    if (count() >= maximum) {
        app::warn(m_messages, parent, tr("Comparison"),
                  tr("At most %1 loans can be kept for comparison. Remove one in the Comparison window first.")
                      .arg(maximum));
        return false;
    }
    if (loan.name.isEmpty()) {
        for (int number = 1; loan.name.isEmpty(); ++number) {
            const QString name = tr("Offer %1").arg(number);
            const bool taken = std::any_of(m_loans.begin(), m_loans.end(),
                                           [&name](const loan_planner::PinnedLoan& kept) { return kept.name == name; });
            if (!taken)
                loan.name = name;
        }
    }
    m_loans.push_back(std::move(loan));
    emit changed();
    return true;
}

void Pins::remove(int index)
{
    if (index < 0 || index >= count())
        return;
    m_loans.erase(m_loans.begin() + index);
    emit changed();
}

}  // namespace comparison
