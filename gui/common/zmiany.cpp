#include "gui/common/zmiany.h"
