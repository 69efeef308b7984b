#include "widgets/HelpContext.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* kHelpContextProperty = "helpContext";
}

void SetHelpContext(QObject* object, int context) {
    if (object)
        object->setProperty(kHelpContextProperty, context);
}

int OwnHelpContext(const QObject* object) {
    return object ? object->property(kHelpContextProperty).toInt() : 0;
}

int HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const int context = OwnHelpContext(w);
        if (context > 0)
            return context;
    }
    return 0;
}
