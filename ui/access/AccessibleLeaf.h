#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace kring {

// A part of a widget that screen readers see as an object of its own, with
// no children and no Qt object behind it: a word of the list, a cell of the
// board. It lives only as long as the widget it belongs to.
template <class Owner> class AccessibleLeaf : public QAccessibleInterface {
public:
    explicit AccessibleLeaf(Owner* owner) : owner_(owner) {}

    bool isValid() const override { return owner_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return owner_ ? owner_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(owner_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    Owner* owner() const { return owner_; }

private:
    QPointer<Owner> owner_;
};

} // namespace kring
