#pragma once

class QWidget;
class UserPrompts;

namespace NewForm {

// Asks whether to throw away the current choices and start over; true for Yes.
bool confirm(UserPrompts &prompts, QWidget *window);

} // namespace NewForm
