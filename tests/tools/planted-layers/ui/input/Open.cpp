#include "ui/input/Open.h"
#include "ui/app/MainWindow.h"
#include "catalogue/Table.h"
