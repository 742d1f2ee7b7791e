#pragma once
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

class QWidget;

namespace ov {

// The four kinds of message box, plus the plain box that carries only the
// program's title and an OK button.
enum class MsgKind { Warning, Error, Information, Confirm, Plain };
enum class MsgResult { Ok, Yes, No };

struct ShownMessage {
    MsgKind kind;
    std::string caption;
    std::string text;
};

// Every message to the user goes through here. Tests switch it to scripted
// mode: nothing is shown, each box takes the next queued answer (OK boxes
// answer Ok, unanswered confirmations No) and is recorded.
class MessageBox {
public:
    static MsgResult Show(MsgKind kind, const std::string& text, QWidget* parent = nullptr);
    // The same box under a caption of its own instead of the kind's.
    static MsgResult ShowCaptioned(MsgKind kind, const std::string& caption, const std::string& text,
                                   QWidget* parent = nullptr);

    static void SetScripted(bool on);
    static bool Scripted();
    static void QueueAnswer(MsgResult answer);
    static std::vector<ShownMessage>& Shown();
    static void Reset(); // clears answers and the record, and the session-end refusal
    static std::string CaptionFor(MsgKind kind);

    // The program's title: the caption of plain boxes.
    static void SetApplicationTitle(const std::string& title);
    static std::string ApplicationTitle();
};

// The desktop session is ending: every open box, dialog and menu is closed
// unanswered, and from now on a box answers at once (OK, or No to a
// question) without showing, so nothing can hold the program up.
void CloseModalsForSessionEnd();
bool SessionEnding();

// Error boundary for event handlers: a thrown file or conversion error ends
// the handler, its text goes to the error box, and the event loop goes on.
// No exception may cross Qt's event delivery.
void Guarded(const std::function<void()>& handler);
// The same, for steps that may meet one problem again and again (a file
// that cannot be read or written): a text already in `told` is not shown
// again.
void Guarded(const std::function<void()>& handler, std::set<std::string>& told);

} // namespace ov
