#include "extlib/airfoil/Airfoil.h"
