#pragma once
#include <QAccessibleWidget>
#include <QComboBox>

namespace quiz {

// What screen readers see of an option box. Qt names a combo box on Linux
// after its current text, which would call two boxes "15"; this one keeps
// the German name of the window's table, gives the current text as its value
// and as read-only text, and has the item list as its child like Qt's own.
class QtComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit QtComboAccessible(QComboBox* combo);

    // Creates it for the window's option boxes (QtOptionBox), not for the
    // combo boxes of the file dialog. For QAccessible::installFactory.
    static QAccessibleInterface* factory(const QString& className, QObject* object);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface, read-only
    void selection(int index, int* start, int* end) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override;

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

}  // namespace quiz
