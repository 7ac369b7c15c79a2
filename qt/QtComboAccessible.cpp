#include "qt/QtComboAccessible.h"

#include <QAbstractItemView>

#include "qt/QtOptionBox.h"

namespace quiz {

QtComboAccessible::QtComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

QAccessibleInterface* QtComboAccessible::factory(const QString&, QObject* object) {
    auto* box = qobject_cast<QtOptionBox*>(object);
    return box ? new QtComboAccessible(box) : nullptr;
}

QString QtComboAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name: return widget()->accessibleName();
        case QAccessible::Value: return combo()->currentText();
        default: return QAccessibleWidget::text(t);
    }
}

int QtComboAccessible::childCount() const { return 1; }

QAccessibleInterface* QtComboAccessible::child(int index) const {
    return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
}

int QtComboAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child->object() == combo()->view() ? 0 : -1;
}

void* QtComboAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

void QtComboAccessible::selection(int, int* start, int* end) const { *start = *end = 0; }

QString QtComboAccessible::text(int start, int end) const {
    const QString t = combo()->currentText();
    if (end < 0 || end > t.size()) end = static_cast<int>(t.size());
    return t.mid(start, std::max(0, end - start));
}

int QtComboAccessible::characterCount() const { return static_cast<int>(combo()->currentText().size()); }

QString QtComboAccessible::attributes(int offset, int* start, int* end) const {
    *start = *end = offset;
    return {};
}

}  // namespace quiz
