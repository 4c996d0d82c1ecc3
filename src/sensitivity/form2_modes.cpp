// The sensitivity window's input modes: the loan field unlocks the option
// buttons, each option button switches the fields and "Run" buttons to its
// mode, and the clearing buttons empty the fields or one list. The mode's own
// "Run" button is enabled exactly while the mode is in place, so clicking the
// option that is already selected changes nothing.
#include "sensitivity/form2.h"

#include "app/form_button.h"
#include "app/number_text.h"
#include "sensitivity/payment_list_model.h"

#include <QLineEdit>
#include <QRadioButton>

void Form2::Text5_Change()
{
    // Nothing disables the option buttons again: the runs check the loan themselves.
    if (app::isNumeric(Text5->text())) {
        Option1->setEnabled(true);
        Option2->setEnabled(true);
    }
}

void Form2::Option1_Click()
{
    // Already in this mode: the bounds typed so far stay.
    if (Command1->isEnabled())
        return;
    if (Option1->isChecked()) {
        for (int i = 1; i <= 3; ++i)
            Text(i)->setEnabled(true);
        for (int i = 4; i <= 6; ++i)
            Text(i)->setEnabled(false);
    }
    Command6->setEnabled(false);
    Command1->setEnabled(true);
    Text(1)->setText(tr("L. Bound"));
    Text(2)->setText(tr("U. Bound"));
    Text(3)->clear();
    for (int i = 4; i <= 6; ++i)
        Text(i)->clear();
}

void Form2::Option2_Click()
{
    // Already in this mode: the bounds typed so far stay.
    if (Command6->isEnabled())
        return;
    if (Option2->isChecked()) {
        for (int i = 4; i <= 6; ++i)
            Text(i)->setEnabled(true);
        for (int i = 1; i <= 3; ++i)
            Text(i)->setEnabled(false);
    }
    Command1->setEnabled(false);
    Command6->setEnabled(true);
    Text(4)->setText(tr("L. Bound"));
    Text(5)->setText(tr("U. Bound"));
    Text(6)->clear();
    for (int i = 1; i <= 3; ++i)
        Text(i)->clear();
}

void Form2::Command2_Click()
{
    for (int i = 1; i <= 6; ++i)
        Text(i)->clear();
    Text5->clear();
}

void Form2::Command3_Click()
{
    m_list1Lines->clear();
}

void Form2::Command4_Click()
{
    m_list2Lines->clear();
}
