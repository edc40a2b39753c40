#include "DemoToolkit.h"

DemoToolkit::~DemoToolkit() = default;

bool DemoToolkit::framePainted(Window) { return true; }
