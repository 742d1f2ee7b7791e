#include "platform/ui/messagebox.h"
#include "platform/translate.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace ov {

namespace {
bool g_sessionEnding = false;

struct Script {
    bool on = false;
    std::deque<MsgResult> answers;
    std::vector<ShownMessage> shown;
};
Script& script()
{
    static Script s;
    return s;
}
std::string& applicationTitle()
{
    static std::string title = "Orvella";
    return title;
}
} // namespace

// Kept here rather than as Qt's application display name, which the X11
// platform appends to every window title ("Information — Orvella").
void MessageBox::SetApplicationTitle(const std::string& title) { applicationTitle() = title; }
std::string MessageBox::ApplicationTitle() { return applicationTitle(); }

void MessageBox::SetScripted(bool on) { script().on = on; }
bool MessageBox::Scripted() { return script().on; }
void MessageBox::QueueAnswer(MsgResult answer) { script().answers.push_back(answer); }
std::vector<ShownMessage>& MessageBox::Shown() { return script().shown; }
void MessageBox::Reset()
{
    script().answers.clear();
    script().shown.clear();
    g_sessionEnding = false;
}

std::string MessageBox::CaptionFor(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning: return Tr("MessageBox", "Warning");
    case MsgKind::Error: return Tr("MessageBox", "Error");
    case MsgKind::Information: return Tr("MessageBox", "Information");
    case MsgKind::Confirm: return Tr("MessageBox", "Confirm");
    case MsgKind::Plain: break;
    }
    return applicationTitle().empty() ? std::string("Orvella") : applicationTitle();
}

MsgResult MessageBox::Show(MsgKind kind, const std::string& text, QWidget* parent)
{
    return ShowCaptioned(kind, CaptionFor(kind), text, parent);
}

MsgResult MessageBox::ShowCaptioned(MsgKind kind, const std::string& caption, const std::string& text,
                                    QWidget* parent)
{
    if (g_sessionEnding) return kind == MsgKind::Confirm ? MsgResult::No : MsgResult::Ok;
    Script& s = script();
    if (s.on) {
        s.shown.push_back({kind, caption, text});
        MsgResult r = kind == MsgKind::Confirm ? MsgResult::No : MsgResult::Ok;
        if (!s.answers.empty()) {
            r = s.answers.front();
            s.answers.pop_front();
        }
        return r;
    }

    QString body = QString::fromLocal8Bit(text.c_str());
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(parent);
    box.setWindowTitle(QString::fromLocal8Bit(caption.c_str()));
    box.setText(body);
    box.setTextFormat(Qt::PlainText);
    switch (kind) {
    case MsgKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgKind::Information: box.setIcon(QMessageBox::Information); break;
    case MsgKind::Confirm: box.setIcon(QMessageBox::Question); break;
    case MsgKind::Plain: box.setIcon(QMessageBox::NoIcon); break;
    }
    if (kind == MsgKind::Confirm) {
        QPushButton* yes = box.addButton(QCoreApplication::translate("MessageBox", "&Yes"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QCoreApplication::translate("MessageBox", "&No"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? MsgResult::Yes : MsgResult::No;
    }
    QPushButton* ok = box.addButton(QCoreApplication::translate("MessageBox", "OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return MsgResult::Ok;
}

bool SessionEnding() { return g_sessionEnding; }

void CloseModalsForSessionEnd()
{
    g_sessionEnding = true;
    // A popup that refuses to close must not hold this loop.
    for (int i = 0; i < 16; ++i) {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup) break;
        popup->close();
    }
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) windows.append(w);
    for (const QPointer<QWidget>& w : windows) {
        if (!w || !w->isVisible()) continue;
        if (auto* dialog = qobject_cast<QDialog*>(w.data())) dialog->reject(); // ends its exec() loop
        else if (qobject_cast<QMenu*>(w.data())) w->close();
    }
}

void Guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& e) {
        MessageBox::Show(MsgKind::Error, e.what());
    }
}

void Guarded(const std::function<void()>& handler, std::set<std::string>& told)
{
    try {
        handler();
    } catch (const std::exception& e) {
        if (told.insert(e.what()).second) MessageBox::Show(MsgKind::Error, e.what());
    }
}

} // namespace ov
