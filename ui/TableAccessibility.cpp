#include "ui/TableAccessibility.h"

#include "ui/SlotPicture.h"
#include "ui/Table.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QKeySequence>

namespace pairfall {

namespace {

class SlotAccessible final : public QAccessibleWidget {
public:
    explicit SlotAccessible(SlotPicture* slot)
        : QAccessibleWidget(slot, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Slot().IsSelected();
        return state;
    }

    // Press comes first: it is the default action.
    QStringList actionNames() const override
    {
        return QStringList { pressAction() } + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // A screen reader can ask while a message box is open; a click could not.
        if (!QApplication::activeModalWidget())
            Slot().Press();
    }

    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name == pressAction())
            return { QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText) };
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    SlotPicture& Slot() const { return *static_cast<SlotPicture*>(widget()); }
};

// Only the slots: an outline is part of its slot's picture, not a thing of its own.
class TableAccessible final : public QAccessibleWidget {
public:
    explicit TableAccessible(Table* table)
        : QAccessibleWidget(table, QAccessible::Grouping)
    {
    }

    int childCount() const override { return SlotCount; }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= SlotCount)
            return nullptr;
        return QAccessible::queryAccessibleInterface(TableWidget().Slot(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* slot = child ? qobject_cast<const SlotPicture*>(child->object()) : nullptr;
        if (!slot || slot->parentWidget() != widget())
            return -1;
        return slot->Index();
    }

private:
    Table& TableWidget() const { return *static_cast<Table*>(widget()); }
};

QAccessibleInterface* TableAccessibilityFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(SlotPicture::staticMetaObject.className()))
        return new SlotAccessible(static_cast<SlotPicture*>(object));
    if (className == QLatin1String(Table::staticMetaObject.className()))
        return new TableAccessible(static_cast<Table*>(object));
    return nullptr;
}

}

void InstallTableAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&TableAccessibilityFactory);
        return true;
    }();
    static_cast<void>(installed);
}

}
