// What a window that holds a user's document does before the document would be
// lost: ask whether to save it first.
#pragma once

#include "app/message_box.h"

#include <QString>

#include <functional>

class QWidget;

namespace app {

// Asks over parent whether to save the changes to the named document:
// Answer::Save, Answer::Discard or Answer::Cancel.
Answer askToSaveChanges(MessageBox& messages, QWidget* parent, const QString& documentName);

// Whether window's document may be closed or replaced: it has no unsaved
// changes (Qt's window-modified mark), or the user saved it (save returned
// true) or discarded them when asked.
bool mayLoseChanges(MessageBox& messages, QWidget* window, const QString& documentName,
                    const std::function<bool()>& save);

// The window title of a document: "offer.loan.json - Loan Planner", with "*"
// before it while it has unsaved changes (Qt puts the "[*]" mark in).
QString documentTitle(const QString& documentName, const QString& windowName);

}  // namespace app
