#include "ui/input/Open.h"
#include "ui/output/Save.h"
#include "ui/widgets/Panel.h"
#include "core/catalogue/Table.h"
