#include "extlib/linaero/Linaero.h"
