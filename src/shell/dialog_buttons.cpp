#include "shell/dialog_buttons.h"

#include <QPushButton>

#include "platform/form_kit.h"

QPushButton *NewCommandButton(QWidget *parent, const char *name, int left, int top, bool isDefault, int width)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    SetGeometryTwips(button, left, top, width, 375);
    button->setAutoDefault(isDefault);
    button->setDefault(isDefault);
    return button;
}
