#include "app/SharedState.h"
