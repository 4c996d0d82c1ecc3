// Runs the body of one data-driven test row. A library error the row did not
// expect fails that row with its number and description; uncaught, Qt Test
// would report it and then end the whole test program, hiding every later row.
#pragma once

#include "finance/finance.h"

#include <QString>
#include <QTest>

#include <utility>

namespace testing_support {

template <typename Body>
void guardRow(Body&& body)
{
    try {
        std::forward<Body>(body)();
    } catch (const finance::RuntimeError& e) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected error %1: %2").arg(e.number()).arg(e.what())),
                     __FILE__, __LINE__);
    }
}

}  // namespace testing_support
