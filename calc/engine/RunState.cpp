#include "RunState.h"

RunState runState;
