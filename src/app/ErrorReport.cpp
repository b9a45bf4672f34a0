#include "ErrorReport.h"

#include "CoreText.h"
#include "Services.h"

#include <exception>

bool runOrReport(QWidget* parent, MessageBoxes& messages, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        messages.showError(parent, QStringLiteral("Norvane"), coreText(e.what()));
        return false;
    }
}
