// The loan planner: a loan as people state it (an annual rate, payments a
// year, dates, fees, extra payments and rate changes), one of its four main
// terms computed from the others, the summary and the dated schedule.
// "Calculate" (Return in any field) reads the fields into PlannerTerms,
// solves the term left empty and writes it into its field, plans the loan
// and shows it; a field that cannot be read or a refused plan is one
// message, and the fields keep what was typed. The loan is a document: it is
// opened from and saved to a loan file, its name is in the title, and nothing
// typed is lost without asking.
#pragma once

#include "app/document.h"
#include "app/table_print.h"
#include "app/payment_timing.h"
#include "app/platform.h"
#include "finance/loan_plan.h"
#include "loan_planner/pinned_loan.h"
#include "loan_planner/planner_terms.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>

#include <exception>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QDateEdit;
class QFormLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableView;
class QTableWidget;

namespace loan_planner {

class PlanModel;

class PlannerWindow : public QWidget, public app::PrintSource {
    Q_OBJECT
public:
    // The planner's payments fall as timing says, except that a loan file
    // opened brings its own timing, kept until timing next changes.
    PlannerWindow(app::Platform& platform, const app::PaymentTimingSetting& timing, QWidget* parent = nullptr);

    // Shows the loan of a loan file in place of the fields' own, without
    // asking. A file that cannot be read is reported, naming it and what is
    // wrong, and the fields stay as they were. Returns whether it was opened.
    bool openFile(const QString& fileName);

    // What the fields hold; empty, with the reason in problem, when a field
    // cannot be read or more than one of the four main terms is empty.
    std::optional<PlannerTerms> terms(QString* problem = nullptr) const;

    // "Calculate": solves the empty term, plans the loan and shows it.
    void calculate();
    // Shows the rule the plan follows in a message.
    void showRule();
    // "Keep for Comparison": calculates and hands the loan to keptForComparison.
    void keepForComparison();

    // The rule, as the help states it.
    static QString ruleText();
    // Why a plan was refused, in one sentence.
    static QString refusalText(finance::LoanPlan::Refusal refusal);

    // The terms as typed, the schedule with its totals and the summary on show,
    // once an APR still being found is found and shown.
    app::PrintDocument printDocument() const override;

signals:
    void keptForComparison(const loan_planner::PinnedLoan& loan);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* makeTerms();
    QWidget* makeEvents();
    QWidget* makeSummary();
    QMenuBar* makeMenu();
    template <typename Field>
    Field* addField(QFormLayout* form, const QString& caption, const char* name);
    QTableWidget* makeEventList(const QString& numberTitle, const QString& valueTitle, const char* name);
    void connectFields();
    void connectChanges();

    void paymentsPerYearChanged();
    void yearsEdited();
    void paymentsEdited();
    void followLoanDate();
    void addEventRow(QTableWidget* list);
    void removeEventRow(QTableWidget* list);
    void writeSolved(finance::LoanTerm unknown, double value, finance::LoanTerms& loan);
    void showPlan(finance::LoanPlan plan);
    void clearPlan();
    // What the search for a plan's APR found, or the error it met.
    struct AprSearch {
        std::optional<double> apr;
        std::exception_ptr error;
    };
    // A long plan's APR is searched for on another thread, so that its
    // schedule shows at once; the summary shows it when it is found.
    void findApr(std::shared_ptr<const finance::LoanPlan> plan);
    void dropAprSearch();
    void showApr(const AprSearch& search);
    // Waits for an APR still being searched for and shows it, for what
    // reads the summary (printing, the comparison).
    void settleApr() const;
    bool planFields();
    void setTerms(const PlannerTerms& read);

    void markChanged();
    bool readFile(const QString& fileName, const QByteArray& contents);
    bool writeFile(const QString& fileName);
    void rememberFile(const QString& fileName);
    void showRecentFiles();
    void warn(const QString& text);
    void fitColumns();
    int paymentsPerYear() const;

    app::Platform& m_platform;
    // The program's switch, followed by the loan's own timing, which a file sets.
    const app::PaymentTimingSetting& m_timing;
    app::PaymentTimingSetting* m_loanTiming = nullptr;
    app::Document m_document;

    QLineEdit* m_amount = nullptr;
    QLineEdit* m_annualRate = nullptr;
    QComboBox* m_paymentsPerYear = nullptr;
    QComboBox* m_compounding = nullptr;
    QLineEdit* m_payments = nullptr;
    QLineEdit* m_years = nullptr;
    QLineEdit* m_payment = nullptr;
    QLineEdit* m_balloon = nullptr;
    QDateEdit* m_loanDate = nullptr;
    QDateEdit* m_firstPayment = nullptr;
    QLineEdit* m_fees = nullptr;
    QComboBox* m_interestRule = nullptr;
    QComboBox* m_paymentRounding = nullptr;
    QComboBox* m_interestRounding = nullptr;
    QLineEdit* m_extraPerPayment = nullptr;
    QSpinBox* m_extraFrom = nullptr;
    QSpinBox* m_extraTo = nullptr;
    QTableWidget* m_extras = nullptr;
    QPushButton* m_addExtra = nullptr;
    QPushButton* m_removeExtra = nullptr;
    QRadioButton* m_keepPayment = nullptr;
    QRadioButton* m_keepTerm = nullptr;
    QTableWidget* m_rateChanges = nullptr;
    QPushButton* m_addRateChange = nullptr;
    QPushButton* m_removeRateChange = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_help = nullptr;
    QFormLayout* m_summary = nullptr;
    std::vector<QLabel*> m_summaryValues;  // by SummaryItem
    QTableView* m_table = nullptr;
    PlanModel* m_model = nullptr;
    // The search for the APR of the plan on show, while it runs.
    QPointer<QFutureWatcher<AprSearch>> m_aprSearch;
    std::optional<double> m_apr;
    bool m_aprFailed = false;
    QPushButton* m_keep = nullptr;
    QMenu* m_recentFiles = nullptr;
    // The terms of the plan shown, for the comparison.
    finance::LoanTerms m_plannedTerms;

    // The defaults that follow other fields until the user sets them.
    bool m_compoundingFollows = true;
    bool m_firstPaymentFollows = true;
    bool m_settingFirstPayment = false;
    // The term was last typed in years, so a new number of payments a year keeps the years.
    bool m_termInYears = false;
    bool m_sized = false;
};

}  // namespace loan_planner
