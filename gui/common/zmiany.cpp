// AUTOMOC finds the signal of zmiany.h through this source of the same name.
#include "gui/common/zmiany.h"
