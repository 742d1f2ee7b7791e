#include "library/ui/messagesquestion.h"
#include "platform/translate.h"
#include "platform/ui/messagebox.h"

namespace ov {

bool AskToSaveChangedMessages(QWidget* parent)
{
    // The main window's context: the text was first asked there, and the
    // shipped translations keep it under that name.
    return MessageBox::Show(MsgKind::Confirm, Tr("MainWindow", "The selected messages have changed.\r\nDo you wish to save the changes?"),
                            parent)
           == MsgResult::Yes;
}

} // namespace ov
