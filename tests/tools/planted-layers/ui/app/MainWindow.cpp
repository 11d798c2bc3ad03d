#include "ui/input/Open.h"
#include "core/catalogue/Table.h"
