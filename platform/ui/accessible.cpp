#include "platform/ui/accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabBar>

#include <vector>

namespace ov {

namespace {

QString StripAmp(QString text)
{
    // "&&" is a literal ampersand, a lone "&" marks the mnemonic.
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == u'&') text.remove(i, 1);
    return text;
}

class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        // The name says what the box is for: its own name or its label. The
        // entry shown is its value.
        if (t == QAccessible::Value) return Box()->isEditable() ? Box()->lineEdit()->text() : Box()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return Box()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0) return QAccessible::queryAccessibleInterface(Box()->view());
        if (index == 1 && Box()->isEditable()) return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child) return -1;
        if (child->object() == Box()->view()) return 0;
        if (Box()->isEditable() && child->object() == Box()->lineEdit()) return 1;
        return -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Box()->view()->isVisible();
        s.editable = Box()->isEditable();
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name != showMenuAction() && name != pressAction()) return QAccessibleWidget::doAction(name);
        if (Box()->view()->isVisible()) Box()->hidePopup();
        else Box()->showPopup();
    }
};

// A label that acts as a link (it emits clicked) is announced as a
// link a screen reader can follow, not as plain text.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty()) s = static_cast<QLabel*>(widget())->text();
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& name) override
    {
        if (name != pressAction()) return QAccessibleWidget::doAction(name);
        QMetaObject::invokeMethod(widget(), "clicked", Qt::QueuedConnection);
    }
};

class TabAccessible;

class TabBarAccessible : public QAccessibleWidget {
public:
    explicit TabBarAccessible(QTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~TabBarAccessible() override;

    QTabBar* Bar() const { return static_cast<QTabBar*>(widget()); }

    int childCount() const override { return Bar()->count(); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            const int i = Bar()->currentIndex();
            return i < 0 ? QString() : StripAmp(Bar()->tabText(i)); // as Qt does: the page shown
        }
        return QAccessibleWidget::text(t);
    }

private:
    mutable std::vector<QAccessible::Id> tabs_;
};

// One tab: not a widget of its own, so it lives in the accessibility cache
// under an id the tab bar hands out and takes back.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(QTabBar* bar, int index) : bar_(bar), index_(index) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    bool isValid() const override { return bar_ && index_ < bar_->count(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid()) return {};
        if (t == QAccessible::Name) {
            const QString name = bar_->accessibleTabName(index_);
            return name.isEmpty() ? StripAmp(bar_->tabText(index_)) : name;
        }
        if (t == QAccessible::Description) return bar_->tabToolTip(index_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const QRect r = bar_->tabRect(index_);
        s.invisible = !bar_->isVisible() || !r.intersects(bar_->rect());
        s.offscreen = s.invisible;
        s.disabled = !bar_->isTabEnabled(index_);
        s.selectable = true;
        s.focusable = bar_->focusPolicy() != Qt::NoFocus;
        s.selected = index_ == bar_->currentIndex();
        s.focused = s.selected && bar_->hasFocus();
        return s;
    }

    QRect rect() const override
    {
        if (!isValid()) return {};
        const QRect r = bar_->tabRect(index_);
        return QRect(bar_->mapToGlobal(r.topLeft()), r.size());
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid()) bar_->setCurrentIndex(index_);
    }

private:
    QPointer<QTabBar> bar_;
    int index_;
};

TabBarAccessible::~TabBarAccessible()
{
    for (QAccessible::Id id : tabs_) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* TabBarAccessible::child(int index) const
{
    if (index < 0 || index >= Bar()->count()) return nullptr;
    while (int(tabs_.size()) <= index)
        tabs_.push_back(QAccessible::registerAccessibleInterface(new TabAccessible(Bar(), int(tabs_.size()))));
    return QAccessible::accessibleInterface(tabs_[size_t(index)]);
}

int TabBarAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (size_t i = 0; i < tabs_.size(); ++i)
        if (QAccessible::accessibleInterface(tabs_[i]) == child) return int(i);
    return -1;
}

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String("QComboBox")) return new ComboAccessible(static_cast<QComboBox*>(object));
    if (className == QLatin1String("QTabBar")) return new TabBarAccessible(static_cast<QTabBar*>(object));
    if (className == QLatin1String("LinkLabel")) return new LinkAccessible(static_cast<QLabel*>(object));
    // A plain widget made a window is announced as one, not as a filler.
    if (className == QLatin1String("QWidget") && static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    // Factories installed later are asked first, so this one answers before
    // Qt's own, which the application object installed.
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

} // namespace ov
