#include "AccessibleText.h"

#include <QCoreApplication>
#include <QWidget>

void describeControls(QWidget* window, std::span<const AccessibleText> texts) {
    for (const AccessibleText& text : texts) {
        auto* control = window->findChild<QWidget*>(QLatin1String(text.control));
        if (!control)
            continue; // the accessibility test names every control that is left without a name
        if (text.name)
            control->setAccessibleName(QCoreApplication::translate("AccessibleText", text.name));
        control->setAccessibleDescription(
            text.description ? QCoreApplication::translate("AccessibleText", text.description)
                             : control->toolTip());
    }
}
