#include "widgets/TerminalPair.h"

#include "widgets/EntryFields.h"
#include "widgets/TerminalGroup.h"

#include <QApplication>
#include <QDialog>

TerminalPair::TerminalPair(QDialog* dialog, TerminalGroup* a, TerminalGroup* b, QWidget* next)
    : m_dialog(dialog), m_groups{a, b} {
    QObject::connect(a, &TerminalGroup::groupDone, dialog,
                     [b] { b->prefixEdit()->setFocus(Qt::OtherFocusReason); });
    QObject::connect(b, &TerminalGroup::groupDone, dialog,
                     [next] { next->setFocus(Qt::OtherFocusReason); });
    for (TerminalGroup* group : m_groups)
        QObject::connect(group, &TerminalGroup::focusBack, dialog, [this] { giveFocusBack(); });
    a->setActive(true);
    b->setActive(false);
    m_remembered = a->prefixEdit();
    m_focusConnection = QObject::connect(qApp, &QApplication::focusChanged, dialog,
                                         [this](QWidget*, QWidget* now) { focusChanged(now); });
}

TerminalPair::~TerminalPair() {
    QObject::disconnect(m_focusConnection);
}

void TerminalPair::focusChanged(QWidget* now) {
    if (!now || now->window() != m_dialog)
        return;
    if (auto* field = qobject_cast<ValidatedEdit*>(now))
        m_remembered = field;
    for (TerminalGroup* group : m_groups)
        group->setActive(group == now || group->isAncestorOf(now));
}

void TerminalPair::giveFocusBack() {
    if (m_remembered)
        m_remembered->refocus();
}
