// The loans kept for comparison. They live as long as the program, not the
// planner that kept them: the main window owns the one store and hands it to
// the comparison window whenever it opens.
#pragma once

#include "app/message_box.h"
#include "loan_planner/pinned_loan.h"

#include <QObject>

#include <vector>

class QWidget;

namespace comparison {

class Pins : public QObject {
    Q_OBJECT
public:
    static constexpr int maximum = 4;

    explicit Pins(app::MessageBox& messages, QObject* parent = nullptr);

    // Keeps the loan after the others; one without a name is named "Offer 1",
    // "Offer 2" ... by the first number no kept loan has. A fifth is refused
    // in a message over parent (none: over the whole program); false then.
    bool add(loan_planner::PinnedLoan loan, QWidget* parent = nullptr);
    // Drops the loan at index (0 is the first kept); an index out of range is ignored.
    void remove(int index);

    int count() const { return int(m_loans.size()); }
    const loan_planner::PinnedLoan& at(int index) const { return m_loans.at(std::size_t(index)); }

signals:
    // After every add and remove.
    void changed();

private:
    app::MessageBox& m_messages;
    std::vector<loan_planner::PinnedLoan> m_loans;
};

}  // namespace comparison
