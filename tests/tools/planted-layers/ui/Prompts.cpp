#include "ui/Prompts.h"
#include "core/catalogue/Table.h"
#include "ui/widgets/Panel.h"
