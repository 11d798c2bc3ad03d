#include "core/catalogue/Table.h"
#include "ui/widgets/Panel.h"
#include "ui/Prompts.h"
