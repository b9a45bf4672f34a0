#include "AccessibleText.h"

#include <QWidget>

void describeControls(QWidget* window, std::span<const AccessibleText> texts) {
    for (const AccessibleText& text : texts) {
        auto* control = window->findChild<QWidget*>(QLatin1String(text.control));
        if (!control)
            continue; // the accessibility test names every control that is left without a name
        if (text.name)
            control->setAccessibleName(QString::fromUtf8(text.name));
        control->setAccessibleDescription(text.description ? QString::fromUtf8(text.description)
                                                           : control->toolTip());
    }
}
