#include "io/NumberFormat.h"
