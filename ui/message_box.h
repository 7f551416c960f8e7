#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace logvane {

// The caption of every message box: the program's title.
inline const QString ApplicationTitle = QStringLiteral("logvane");

enum class MessageKind { Confirmation, Failure };

// Tells the user something and returns once they have read it. The program shows a modal box;
// tests pass a recorder instead.
using Notify = std::function<void(MessageKind, const QString&)>;

// A box modal to the whole program, captioned with the program's title, with one OK button, over
// `owner`: centred on it and kept above it, so that no window of another program hides it. A text
// of more lines than a box should hold (a message about many files) shows its first line, and the
// rest in the box's details, which scroll.
void showMessageBox(QWidget* owner, MessageKind kind, const QString& text);

} // namespace logvane
