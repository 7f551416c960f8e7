#pragma once

#include <QString>

#include <functional>

namespace logvane {

// The caption of every message box: the program's title.
inline const QString ApplicationTitle = QStringLiteral("logvane");

enum class MessageKind { Confirmation, Failure };

// Tells the user something and returns once they have read it. The program shows a modal box;
// tests pass a recorder instead.
using Notify = std::function<void(MessageKind, const QString&)>;

// A box modal to the whole program, captioned with the program's title, with one OK button.
void showMessageBox(MessageKind kind, const QString& text);

} // namespace logvane
