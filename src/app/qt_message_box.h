#pragma once

#include "app/message_box.h"

namespace app {

// The real message box: a QMessageBox run modally.
class QtMessageBox final : public MessageBox {
public:
    Answer show(QWidget* parent, const Message& message) override;
};

}  // namespace app
