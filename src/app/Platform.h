#pragma once

// The platform seam keeps its published path; the declaration lives with the other
// operating-system contacts so that every panel can use it from below.
#include "system/Platform.h"
