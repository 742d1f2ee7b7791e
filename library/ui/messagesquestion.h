#pragma once

class QWidget;

namespace ov {

// Asks whether the changed ticks and phrases of the Messages page should be
// saved; true when the user answers Yes. Asked wherever they would be lost:
// closing the window, another category, another list in the editor.
bool AskToSaveChangedMessages(QWidget* parent);

} // namespace ov
