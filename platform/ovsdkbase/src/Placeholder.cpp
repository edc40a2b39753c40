// The simulated engine is being written; this file goes away with it.
#include "ovsdkbase.h"
