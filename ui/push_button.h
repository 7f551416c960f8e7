#pragma once

#include <QPushButton>

namespace logvane {

// A push button that Enter presses, as Space does, where it has the focus, as on Windows and most
// desktops. It is never a window's default or cancel button: Enter elsewhere presses nothing.
class PushButton : public QPushButton
{
public:
    PushButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace logvane
