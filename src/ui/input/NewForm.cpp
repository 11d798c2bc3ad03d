#include "ui/input/NewForm.h"

#include "ui/UserPrompts.h"

using namespace Qt::StringLiterals;

namespace NewForm {

bool confirm(UserPrompts &prompts, QWidget *window)
{
    return prompts.askYesNo(window, u"New file"_s,
                            u"Are you sure you want to start a new form?\r\n"
                            u"        (current setting will not be saved)"_s);
}

} // namespace NewForm
