#pragma once

#include "app/Platform.h"
