// Types of data-driven rows shared by the library's tests.
#pragma once

#include "finance/finance.h"

#include <QMetaType>

#include <functional>

namespace testing_support {

// A call of the library, run inside the test function.
using Call = std::function<double()>;

// The error a call raises, 0 when it returns.
inline int errorOf(const Call& call)
{
    try {
        call();
        return 0;
    } catch (const finance::RuntimeError& e) {
        return e.number();
    }
}

}  // namespace testing_support

Q_DECLARE_METATYPE(testing_support::Call)
Q_DECLARE_METATYPE(finance::ErrorNumber)
